// Help viewer: loads the help file afresh each time Help Topics asks, and says itself
// when the file is missing.
#include "HelpViewer.h"

#include "WindowStyle.h"

#include <QAccessibleWidget>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace barkmoor {
namespace {
HelpViewer *instance = nullptr;

// A plain top-level widget reads as a filler; the help is a window of its own.
QAccessibleInterface *HelpWindowAccessible(const QString &className, QObject *object)
{
    if (className != QLatin1String(HelpViewer::staticMetaObject.className()) || !object || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}
} // namespace

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

void HelpViewer::keyPressEvent(QKeyEvent *event)
{
    // Our own window, so it closes from the keyboard as well as by its close button; the
    // browser passes Esc on to it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

HelpViewer *HelpViewer::Open(const QString &helpFile)
{
    if (!instance) {
        QAccessible::installFactory(HelpWindowAccessible);
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
