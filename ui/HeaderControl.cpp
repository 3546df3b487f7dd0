// A header view needs a model to draw anything: it carries its own.
#include "HeaderControl.h"

#include <QStandardItemModel>

namespace barkmoor {

THeaderControl::THeaderControl(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
    , captions(new QStandardItemModel(this))
{
    setModel(captions);
    setSectionsClickable(false);
    setSectionResizeMode(QHeaderView::Fixed);
    // The styles draw a caption in its section less a margin all round, which in the game's
    // 17-pixel header cuts the descenders off (the "y" of "Buy"): the caption may run into it.
    setDefaultAlignment(Qt::Alignment::fromInt((Qt::AlignLeft | Qt::AlignVCenter).toInt() | Qt::TextDontClip));
    setHighlightSections(false);
    // It is disabled so it takes no clicks, but its captions should read normally.
    QPalette captionsPalette = palette();
    for (auto role : { QPalette::ButtonText, QPalette::WindowText, QPalette::Text })
        captionsPalette.setColor(QPalette::Disabled, role, captionsPalette.color(QPalette::Active, role));
    setPalette(captionsPalette);
}

void THeaderControl::SetSections(std::initializer_list<std::pair<QString, int>> sections)
{
    captions->clear();
    captions->setColumnCount(int(sections.size()));
    int column = 0;
    QStringList spoken;
    for (const auto &[caption, width] : sections) {
        captions->setHeaderData(column, Qt::Horizontal, caption);
        resizeSection(column, width);
        spoken << caption;
        ++column;
    }
    // A header with no table under it reads as empty; its name says the columns.
    setAccessibleName(spoken.join(QStringLiteral(", ")));
}

} // namespace barkmoor
