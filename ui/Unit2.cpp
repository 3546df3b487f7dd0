// Travel window: one pick, by mouse or arrow key, is one move.
#include "Unit2.h"

#include "GameCore.h"
#include "Travel.h"
#include "Unit7.h"
#include "WindowFocus.h"
#include "WindowStyle.h"
#include "ui_Unit2.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>

namespace barkmoor {

Ttravel *travel = nullptr;

namespace {
constexpr int RowHeight = 13;
}

Ttravel::Ttravel(QWidget *parent)
    : TGameDialog("travel", parent)
    , ui(std::make_unique<Ui::Ttravel>())
{
    ui->setupUi(this);
    SetUpWindow(274, 161);
    CentreOnEveryShow();
    for (int row = 0; row < ui->placebox->count(); ++row)
        ui->placebox->item(row)->setSizeHint(QSize(ui->placebox->width(), RowHeight));
    // A mouse pick arrives once, on release; keyboard picks are caught in eventFilter.
    connect(ui->placebox, &QListWidget::itemClicked, this, &Ttravel::placeboxClick);
    ui->placebox->installEventFilter(this);
    CurrentRowOnlyWhileFocused(ui->placebox);
}

Ttravel::~Ttravel() = default;

void Ttravel::FormCreate()
{
    CopyMainPictures(ui->Image1, ui->Image2);
}

bool Ttravel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->placebox || event->type() != QEvent::KeyPress)
        return TGameDialog::eventFilter(watched, event);
    QListWidget *list = ui->placebox;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool plain = !(key->modifiers() & ~Qt::KeypadModifier);
    if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space)) {
        // The highlighted row, which may be the place picked last time or the first row.
        list->setCurrentRow(qMax(list->currentRow(), 0));
        placeboxClick();
        return true;
    }
    if (list->selectedItems().isEmpty() && plain
        && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_Home
            || key->key() == Qt::Key_PageUp)) {
        // Nothing picked yet: the list would only move from its unmarked first row, which no
        // key could then pick. These keys start at the top, as a fresh list box does.
        list->setCurrentRow(0);
        placeboxClick();
        return true;
    }
    // Let the list move its highlight first; a changed row is a pick.
    const int before = list->currentRow();
    list->removeEventFilter(this);
    QCoreApplication::sendEvent(list, event);
    list->installEventFilter(this);
    if (list->currentRow() != before && list->currentRow() >= 0)
        placeboxClick();
    return true;
}

void Ttravel::placeboxClick()
{
    const int row = ui->placebox->currentRow();
    if (row < 0 || row >= PlaceCount)
        return;
    // The window stays up under the messages and the Dog Catcher until the move is done.
    if (TravelTo(static_cast<std::uint8_t>(row)))
        Warden->exec();
    CloseWindow();
}

} // namespace barkmoor
