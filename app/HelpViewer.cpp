// Help viewer: loads the help file afresh each time Help Topics asks, and says itself
// when the file is missing.
#include "HelpViewer.h"

#include "WindowStyle.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace barkmoor {
namespace {
HelpViewer *instance = nullptr;
}

HelpViewer::HelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , browser(new QTextBrowser(this))
    , status(new QLabel(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing help never ends the game
    setWindowTitle(QStringLiteral("Barkmoor Help"));
    browser->setObjectName(QStringLiteral("HelpBrowser"));
    browser->setOpenExternalLinks(true);
    status->setObjectName(QStringLiteral("HelpStatus"));
    status->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    layout->addWidget(status);
    resize(560, 520);
}

HelpViewer *HelpViewer::Open(const QString &helpFile)
{
    if (!instance) {
        instance = new HelpViewer;
        CentreOnScreen(*instance);
    }
    instance->Load(helpFile);
    instance->show();
    instance->raise();
    instance->activateWindow();
    return instance;
}

void HelpViewer::Load(const QString &file)
{
    if (!QFileInfo(file).isReadable()) {
        browser->clear();
        status->setText(tr("Cannot find the help file %1.").arg(QDir::toNativeSeparators(file)));
        status->show();
        return;
    }
    status->hide();
    // The file is HTML whatever its name says.
    browser->setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
    browser->scrollToAnchor(QStringLiteral("contents"));
}

} // namespace barkmoor
