// Modal prompts built on QMessageBox and a small entry dialog.
#include "QtPrompts.h"

#include "WindowFocus.h"
#include "WindowStyle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#ifdef _WIN32
#include <vector>

#include <windows.h>
#endif

namespace barkmoor {
namespace {

// Our texts break lines with a carriage return.
QString DisplayText(const std::string &text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

// Prompts stand over the topmost open game window, so that the desktop keeps them above it.
QWidget *Owner()
{
    return TopGameWindow();
}

void PrepareMessageBox(QMessageBox &box, const char *name, const QString &caption, const std::string &text)
{
    box.setObjectName(QLatin1String(name));
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText(text));
    box.setWindowModality(Qt::ApplicationModal);
    // Setting the modality makes the box a plain dialog again: the fixed border that a
    // message box asks for on Windows is asked for anew.
    box.setWindowFlags(box.windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
    box.setFont(GameFont());
}

// The style's message icon, kept sharp above a device pixel ratio of 1, where the box would
// blow up a small picture smoothly.
void SetCrispIcon(QMessageBox &box, QMessageBox::Icon icon, QStyle::StandardPixmap picture)
{
    box.setIcon(icon);
    const qreal ratio = qApp->devicePixelRatio();
    if (ratio <= 1.0)
        return;
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    const QIcon standard = box.style()->standardIcon(picture, nullptr, &box);
    const QPixmap crisp = CrispPicture(standard.pixmap(QSize(size, size), 1.0), ratio);
    // Into the box's own icon label, so that the box still knows which icon it shows.
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
        label->setPixmap(crisp);
    else
        box.setIconPixmap(crisp);
}

// A message box that opens in the middle of the screen, not over its owner.
class PromptBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        CentreOnScreen(*this);
    }
};

// Keeps buttons in the order they were added, whatever order the desktop prefers.
class AddedOrderStyle final : public QProxyStyle {
public:
    int styleHint(
        StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *returnData) const override
    {
        if (hint == SH_DialogButtonLayout)
            return QDialogButtonBox::WinLayout;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The game's own message windows centre their buttons under the text and keep them in the
// order added (Yes left of No), also on desktops that would arrange them otherwise.
void CentreButtonsInAddedOrder(QMessageBox &box)
{
    auto *buttons = box.findChild<QDialogButtonBox *>();
    auto *order = new AddedOrderStyle;
    order->setParent(&box);
    buttons->setStyle(order);
    buttons->setCenterButtons(true);
}

// A Yes/No box that only a button can close: Esc and the close box are ignored.
class AnswerOnlyBox final : public PromptBox {
public:
    using PromptBox::PromptBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        PromptBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

} // namespace

void QtPrompter::ShowNote(const std::string &text)
{
    PromptBox box(Owner());
    PrepareMessageBox(box, ShowNoteName, QApplication::applicationName(), text);
    box.setIcon(QMessageBox::NoIcon);
    CentreButtonsInAddedOrder(box);
    QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

Answer QtPrompter::ConfirmYesNo(const std::string &text)
{
    PromptBox box(Owner());
    PrepareMessageBox(box, ConfirmYesNoName, QStringLiteral("Information"), text);
    SetCrispIcon(box, QMessageBox::Information, QStyle::SP_MessageBoxInformation);
    CentreButtonsInAddedOrder(box);
    QPushButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

#ifdef _WIN32
namespace {

// Enough for a player who keeps pressing Esc under Wine; a box that keeps ending at once stops.
constexpr int MaxYesNoAsks = 20;

// A message box ends at once on a WM_QUIT and leaves it in the queue for the caller's loop.
bool QuitPending()
{
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE);
}

} // namespace

// The system's own Yes/No box, owned by the topmost open game window. Without a cancel button it
// ignores Esc and greys its close box. It disables only its owner, so any other game window on
// the screen is disabled here for as long as it is open; the owner is active again after.
Answer QtPrompter::AskTitled(const std::string &text, const std::string &title)
{
    // Whatever the closing of a window left to do (the focus handed back to the main window)
    // is done now: from within the box's own loop it would take the activation from the box.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QWidget *owner = Owner();
    std::vector<HWND> disabled;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window == owner || !window->isVisible())
            continue;
        const HWND handle = reinterpret_cast<HWND>(window->winId());
        if (IsWindowEnabled(handle)) {
            EnableWindow(handle, FALSE);
            disabled.push_back(handle);
        }
    }
    const QString message = DisplayText(text);
    const QString caption = QString::fromStdString(title);
    // Windows ignores Esc in a box without a Cancel button; Wine ends it with IDCANCEL, so only
    // then is the question asked again, a bounded number of times. A box that could not open
    // (0) or that a WM_QUIT ended counts as No, and the game goes on.
    int answer = IDCANCEL;
    for (int asked = 0; answer == IDCANCEL && asked < MaxYesNoAsks && !QuitPending(); ++asked)
        answer = MessageBoxW(owner ? reinterpret_cast<HWND>(owner->winId()) : nullptr,
            reinterpret_cast<LPCWSTR>(message.utf16()), reinterpret_cast<LPCWSTR>(caption.utf16()),
            MB_YESNO | MB_ICONQUESTION);
    for (const HWND handle : disabled)
        EnableWindow(handle, TRUE);
    if (owner)
        owner->activateWindow();
    return answer == IDYES ? Answer::Yes : Answer::No;
}
#else
Answer QtPrompter::AskTitled(const std::string &text, const std::string &title)
{
    AnswerOnlyBox box(Owner());
    PrepareMessageBox(box, AskTitledName, QString::fromStdString(title), text);
    SetCrispIcon(box, QMessageBox::Question, QStyle::SP_MessageBoxQuestion);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    const int result = box.exec();
    return result == QMessageBox::No ? Answer::No : Answer::Yes;
}
#endif

bool QtPrompter::QueryValue(const std::string &caption, const std::string &prompt, std::string &value)
{
    QDialog dialog(Owner());
    dialog.setObjectName(QLatin1String(QueryValueName));
    dialog.setWindowTitle(QString::fromStdString(caption));
    // A fixed border on Windows, as the message boxes have.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
        | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setFont(GameFont());

    // About 45 average characters wide and 8 lines high: room for a caption, a prompt line and
    // the typed text without looking empty.
    const QFontMetrics metrics(dialog.font());
    // Bitmap fonts report no usable average width, so measure the alphabet.
    const int unit
        = metrics.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) / 52 + 1;
    const int line = metrics.height();
    const int width = 45 * unit;
    const int margin = 2 * unit;
    const QSize buttonSize(qMax(75, 12 * unit), line + 12);

    auto *label = new QLabel(QString::fromStdString(prompt), &dialog);
    label->setObjectName(QStringLiteral("Prompt"));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(margin, line / 2 + 4, width - 2 * margin, line + 2);

    auto *edit = new QLineEdit(QString::fromStdString(value), &dialog);
    edit->setObjectName(QStringLiteral("Value"));
    edit->setMaxLength(255);
    edit->setGeometry(margin, label->geometry().bottom() + 6, width - 2 * margin, line + 8);
    edit->selectAll();
    label->setBuddy(edit); // a screen reader names the box by its prompt

    const int buttonTop = edit->geometry().bottom() + line;
    auto *ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setGeometry(width / 2 - 3 - buttonSize.width(), buttonTop, buttonSize.width(), buttonSize.height());
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setGeometry(width / 2 + 3, buttonTop, buttonSize.width(), buttonSize.height());
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    dialog.setFixedSize(width, qMax(8 * line, buttonTop + buttonSize.height() + line));
    CentreOnScreen(dialog);
    edit->setFocus();

    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = edit->text().toStdString();
    return true;
}

} // namespace barkmoor
