// Window-test support and the test program's entry, which picks the offscreen platform and
// the C locale.
#include "WindowTesting.h"

#include "Startup.h"
#include "Unit1.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace barkmoor::testing {

ModalScript::ModalScript()
    : timer(new QTimer)
{
    timer->setInterval(5);
    waiting.start();
    QObject::connect(timer, &QTimer::timeout, [this] { Poll(); });
    timer->start();
}

ModalScript::~ModalScript()
{
    delete timer;
    // Every script's end is checked here: a window the test expected that never came is a
    // failure even when the test forgot to ask Finished().
    if (!steps.empty())
        ADD_FAILURE() << "the script ended with " << steps.size() << " step(s) unanswered, the first "
                      << steps.front().name.toStdString();
}

ModalScript &ModalScript::Expect(const QString &objectName, Action action)
{
    steps.push_back({ objectName, std::move(action) });
    return *this;
}

ModalScript &ModalScript::Note(QStringList *texts)
{
    return Expect(QLatin1String(ShowNoteName), [texts](QWidget *w) {
        if (texts)
            *texts << MessageText(w);
        ClickButton(w, QStringLiteral("OK"));
    });
}

ModalScript &ModalScript::Confirm(bool yes, QStringList *texts)
{
    return Expect(QLatin1String(ConfirmYesNoName), [yes, texts](QWidget *w) {
        if (texts)
            *texts << MessageText(w);
        ClickButton(w, yes ? QStringLiteral("Yes") : QStringLiteral("No"));
    });
}

ModalScript &ModalScript::Ask(bool yes, QStringList *texts)
{
    return Expect(QLatin1String(AskTitledName), [yes, texts](QWidget *w) {
        if (texts)
            *texts << w->windowTitle() + QLatin1Char('|') + MessageText(w);
        ClickButton(w, yes ? QStringLiteral("Yes") : QStringLiteral("No"));
    });
}

ModalScript &ModalScript::Query(const QString &typed, bool ok, QStringList *prompts)
{
    return Expect(QLatin1String(QueryValueName), [typed, ok, prompts](QWidget *w) {
        if (prompts)
            *prompts << w->windowTitle() + QLatin1Char('|') + w->findChild<QLabel *>(QStringLiteral("Prompt"))->text();
        auto *edit = w->findChild<QLineEdit *>(QStringLiteral("Value"));
        edit->setText(typed);
        ClickButton(w, ok ? QStringLiteral("OK") : QStringLiteral("Cancel"));
    });
}

void ModalScript::Poll()
{
    if (steps.empty() || acting) {
        waiting.restart();
        return;
    }
    QWidget *window = VisibleWindow(steps.front().name);
    if (!window || QApplication::activeModalWidget() != window) {
        if (waiting.elapsed() > StepDeadlineMs)
            GiveUp();
        return;
    }
    waiting.restart();
    Step step = std::move(steps.front());
    steps.pop_front();
    seen << step.name;
    // Acted on from a fresh zero timer: Qt never re-enters a timer's own handler, so an
    // action that opens another modal window would otherwise stop the polling.
    QPointer<QWidget> target(window);
    acting = true;
    QTimer::singleShot(0, [this, target, action = std::move(step.action)] {
        acting = false; // the action may open the next window itself
        if (target)
            action(target);
    });
}

Responder::Responder()
    : timer(new QTimer)
{
    timer->setInterval(2);
    QObject::connect(timer, &QTimer::timeout, [this] { Poll(); });
    timer->start();
}

Responder::~Responder()
{
    delete timer;
}

Responder &Responder::On(const QString &objectName, Action action)
{
    actions.insert(objectName, std::move(action));
    return *this;
}

void Responder::Poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (acting || !modal || busy.contains(modal) || !actions.contains(modal->objectName()))
        return;
    const QString name = modal->objectName();
    counts[name] += 1;
    acting = true;
    QPointer<QWidget> target(modal);
    QTimer::singleShot(0, [this, target, action = actions.value(name)] {
        acting = false;
        if (!target || !target->isVisible())
            return;
        QWidget *const window = target;
        busy.insert(window);
        action(window);
        busy.remove(window);
    });
}

void ModalScript::GiveUp()
{
    // Fail this test rather than hang the whole run: shut whatever modal window stands in
    // the way, so the code under test returns.
    QWidget *modal = QApplication::activeModalWidget();
    ADD_FAILURE() << "waited in vain for " << steps.front().name.toStdString()
                  << "; showing instead: " << (modal ? modal->objectName().toStdString() : std::string("nothing"));
    steps.clear();
    while ((modal = QApplication::activeModalWidget()))
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->hide();
}

QWidget *VisibleWindow(const QString &objectName)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows)
        if (w->isVisible() && w->objectName() == objectName)
            return w;
    return nullptr;
}

QString MessageText(QWidget *box)
{
    if (auto *message = qobject_cast<QMessageBox *>(box))
        return message->text();
    return {};
}

bool CentredOnScreen(QWidget *window)
{
    const QPoint offset = window->frameGeometry().center() - window->screen()->availableGeometry().center();
    return qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2;
}

QString ControlText(QWidget *window, const char *name)
{
    if (auto *label = window->findChild<QLabel *>(QLatin1String(name)))
        return label->text();
    if (auto *edit = window->findChild<QLineEdit *>(QLatin1String(name)))
        return edit->text();
    if (auto *button = window->findChild<QAbstractButton *>(QLatin1String(name)))
        return button->text();
    ADD_FAILURE() << "no control " << name;
    return {};
}

QString LabelText(const char *name)
{
    return SnorfleMain->findChild<QLabel *>(QLatin1String(name))->text();
}

QAction *MenuAction(const char *name)
{
    return SnorfleMain->findChild<QAction *>(QLatin1String(name));
}

void ClickListRow(QListWidget *list, int row, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
}

void SaveGrab(QWidget *widget, const QString &file)
{
    const QString dir = qEnvironmentVariable("BARKMOOR_GRAB_DIR");
    if (!dir.isEmpty())
        widget->grab().save(QDir(dir).filePath(file));
}

void ClickButton(QWidget *window, const QString &text)
{
    const auto buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));
        if (caption == text && button->isVisible()) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString() << " in " << window->objectName().toStdString();
}

ModalScript::Action ClickingButton(const QString &text)
{
    return [text](QWidget *window) { ClickButton(window, text); };
}

void ClickLater(QWidget *window, const QString &text)
{
    QTimer::singleShot(0, window, [window, text] { ClickButton(window, text); });
}

void PressKey(QWidget *window, Qt::Key key)
{
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
}

void ExpectNothingClipped(QWidget *window)
{
    const QRect client = window->rect();
    const auto controls = window->findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *control : controls) {
        const bool known = qobject_cast<QLabel *>(control) || qobject_cast<QAbstractButton *>(control)
            || qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractItemView *>(control);
        if (!known || !control->isVisibleTo(window) || control->objectName().isEmpty()
            || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        ++checked;
        const std::string name = control->objectName().toStdString();
        const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(client.contains(place)) << name << " reaches outside " << window->objectName().toStdString();
        const QFontMetrics metrics(control->font());
        if (auto *label = qobject_cast<QLabel *>(control)) {
            const QRect inside = label->contentsRect();
            if (!label->pixmap().isNull()) {
                const QSize picture = label->pixmap().deviceIndependentSize().toSize();
                EXPECT_TRUE(picture.width() <= inside.width() && picture.height() <= inside.height())
                    << name << " cuts its picture";
            } else if (!label->text().isEmpty() && label->textFormat() != Qt::RichText) {
                const QRect needed = label->wordWrap()
                    ? metrics.boundingRect(QRect(0, 0, inside.width(), 100000), Qt::TextWordWrap, label->text())
                    : metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, label->text());
                EXPECT_LE(needed.width(), inside.width()) << name << " is cut: " << label->text().toStdString();
                EXPECT_LE(needed.height(), inside.height()) << name << " is cut: " << label->text().toStdString();
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            QString caption = button->text();
            caption.remove(QLatin1Char('&'));
            EXPECT_LE(metrics.horizontalAdvance(caption), button->width() - 4) << name << " cuts its caption";
            EXPECT_LE(metrics.height(), button->height()) << name << " cuts its caption";
        }
    }
    EXPECT_GT(checked, 0) << "no controls found in " << window->objectName().toStdString();
}

void WindowTest::SetUp()
{
    ResetProcessState();
    SetClock(&clock);
    SetPlatform(&recorder);
    SetPrompter(&prompter);
}

void WindowTest::TearDown()
{
    DestroyWindows();
    SetPrompter(nullptr);
    SetPlatform(nullptr);
    SetClock(nullptr);
}

void WindowTest::MakeWindows()
{
    CreateWindows();
}

void WindowTest::MakeAndShowWindows()
{
    CreateWindows();
    SnorfleMain->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(SnorfleMain));
}

void WindowTest::Freeze(std::uint32_t ms)
{
    clock.now = ms;
}

} // namespace barkmoor::testing

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // One locale whatever the machine's, so a date the windows show can be worked by hand.
    qputenv("LC_ALL", "C.UTF-8");
    QApplication application(argc, argv);
    barkmoor::SetUpApplication(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
