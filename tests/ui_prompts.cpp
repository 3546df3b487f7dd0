// The four prompts as real windows. Each group would catch a key that closes a prompt it
// should not (or fails to close one it should), a wrong answer for a way of closing, a
// caption taken from the wrong window, a lost line break or an entry box without its limit.
#include "WindowTesting.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

// If the window is still up long after an answer that should have closed it, fail and
// close it with a button so the test ends instead of hanging.
void FailIfStillOpen(QWidget *window, const QString &button)
{
    QPointer<QWidget> w(window);
    QTimer::singleShot(10'000, window, [w, button] {
        if (w && w->isVisible()) {
            ADD_FAILURE() << w->objectName().toStdString() << " stayed open";
            ClickButton(w, button);
        }
    });
}

enum class Way { Enter, Escape, Close, Click };
const char *const wayNames[] = { "Enter", "Esc", "close box", "click" };

void CloseBy(QWidget *window, Way way, const QString &button)
{
    switch (way) {
    case Way::Enter:
        PressKey(window, Qt::Key_Return);
        break;
    case Way::Escape:
        PressKey(window, Qt::Key_Escape);
        break;
    case Way::Close:
        window->close();
        break;
    case Way::Click:
        ClickButton(window, button);
        break;
    }
}

QStringList ButtonsLeftToRight(QWidget *window)
{
    auto buttons = window->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(),
        [](QPushButton *a, QPushButton *b) { return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x(); });
    QStringList texts;
    for (QPushButton *b : buttons)
        if (b->isVisible())
            texts << b->text();
    return texts;
}

class PromptTest : public WindowTest { };

} // namespace

// ShowNote: the application's caption, no icon, one OK, and every way of closing closes it.
TEST_F(PromptTest, ShowNoteClosesEveryWayAndKeepsItsLineBreaks)
{
    for (Way way : { Way::Enter, Way::Escape, Way::Close, Way::Click }) {
        SCOPED_TRACE(wayNames[int(way)]);
        ModalScript script;
        QString caption;
        QString text;
        QStringList buttons;
        QMessageBox::Icon icon = QMessageBox::Warning;
        bool centred = false;
        int okOffCentre = 1000;
        script.Expect(QLatin1String(ShowNoteName), [&, way](QWidget *w) {
            caption = w->windowTitle();
            text = MessageText(w);
            buttons = ButtonsLeftToRight(w);
            icon = qobject_cast<QMessageBox *>(w)->icon();
            centred = CentredOnScreen(w);
            auto *ok = w->findChild<QPushButton *>();
            okOffCentre = ok->mapTo(w, ok->rect().center()).x() - w->width() / 2;
            FailIfStillOpen(w, QStringLiteral("OK"));
            CloseBy(w, way, QStringLiteral("OK"));
        });
        ShowNote("Woof! Did your paw slip?\r\rYou need to enter a valid number");
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(caption, QStringLiteral("Barkmoor"));
        EXPECT_EQ(text, QStringLiteral("Woof! Did your paw slip?\n\nYou need to enter a valid number"));
        EXPECT_EQ(buttons, QStringList { QStringLiteral("OK") });
        EXPECT_EQ(icon, QMessageBox::NoIcon);
        EXPECT_TRUE(centred);
        EXPECT_LE(qAbs(okOffCentre), 2) << "OK stands centred under the text";
    }
}

// Over an active dialog the note still carries the application's caption, and stands over
// it, yet opens in the middle of the screen rather than over the dialog.
TEST_F(PromptTest, ShowNoteOverADialogKeepsTheApplicationCaption)
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Top Dog's Den"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setGeometry(10, 10, 200, 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ModalScript script;
    QString caption;
    QWidget *owner = nullptr;
    bool centred = false;
    script.Expect(QLatin1String(ShowNoteName), [&](QWidget *w) {
        caption = w->windowTitle();
        owner = w->parentWidget();
        centred = CentredOnScreen(w);
        ClickButton(w, QStringLiteral("OK"));
    });
    ShowNote("Woof!  You have no Slippers to sell");
    EXPECT_EQ(caption, QStringLiteral("Barkmoor"));
    EXPECT_EQ(owner, &dialog);
    EXPECT_TRUE(centred);
}

// A long message wraps rather than widening the window past half the screen.
TEST_F(PromptTest, LongMessagesWrapToHalfTheScreen)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "The local alley cat jumped you.  ";
    ModalScript script;
    int width = 0;
    int textWidth = 0;
    int height = 0;
    int halfScreen = 0;
    script.Expect(QLatin1String(ShowNoteName), [&](QWidget *w) {
        width = w->width();
        textWidth = w->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->width();
        height = w->height();
        halfScreen = w->screen()->availableGeometry().width() / 2;
        SaveGrab(w, QStringLiteral("note_long.png"));
        ClickButton(w, QStringLiteral("OK"));
    });
    ShowNote(text);
    EXPECT_GT(textWidth, halfScreen / 2);
    EXPECT_LE(textWidth, halfScreen);
    EXPECT_LE(width, halfScreen);
    EXPECT_GT(height, 100) << "the text should grow downwards";
}

// ConfirmYesNo: only Yes consents; Esc and the close box answer No.
TEST_F(PromptTest, ConfirmYesNoAnswers)
{
    const struct {
        Way way;
        QString button;
        Answer expected;
    } cases[] = {
        { Way::Enter, {}, Answer::Yes },
        { Way::Escape, {}, Answer::No },
        { Way::Close, {}, Answer::No },
        { Way::Click, QStringLiteral("Yes"), Answer::Yes },
        { Way::Click, QStringLiteral("No"), Answer::No },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(wayNames[int(c.way)]) + " " + c.button.toStdString());
        ModalScript script;
        QString caption;
        QStringList buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        script.Expect(QLatin1String(ConfirmYesNoName), [&](QWidget *w) {
            caption = w->windowTitle();
            buttons = ButtonsLeftToRight(w);
            icon = qobject_cast<QMessageBox *>(w)->icon();
            SaveGrab(w, QStringLiteral("confirm.png"));
            FailIfStillOpen(w, QStringLiteral("No"));
            CloseBy(w, c.way, c.button);
        });
        EXPECT_EQ(ConfirmYesNo("Would you like to buy a bigger coat for $ 150?"), c.expected);
        EXPECT_EQ(caption, QStringLiteral("Information"));
        EXPECT_EQ(buttons, (QStringList { QStringLiteral("&Yes"), QStringLiteral("&No") }));
        EXPECT_EQ(icon, QMessageBox::Information);
    }
}

// AskTitled: Esc and the close box leave it open; only Yes or No end it.
TEST_F(PromptTest, AskTitledCannotBeDismissed)
{
    const struct {
        Way way;
        QString button;
        Answer expected;
    } cases[] = {
        { Way::Enter, {}, Answer::Yes },
        { Way::Click, QStringLiteral("No"), Answer::No },
        { Way::Click, QStringLiteral("Yes"), Answer::Yes },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(wayNames[int(c.way)]) + " " + c.button.toStdString());
        ModalScript script;
        QString caption;
        QString text;
        bool openAfterEscape = false;
        bool closeRefused = false;
        bool openAfterClose = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        script.Expect(QLatin1String(AskTitledName), [&](QWidget *w) {
            caption = w->windowTitle();
            text = MessageText(w);
            icon = qobject_cast<QMessageBox *>(w)->icon();
            SaveGrab(w, QStringLiteral("ask.png"));
            FailIfStillOpen(w, QStringLiteral("No"));
            PressKey(w, Qt::Key_Escape);
            openAfterEscape = w->isVisible();
            closeRefused = !w->close();
            openAfterClose = w->isVisible();
            CloseBy(w, c.way, c.button);
        });
        EXPECT_EQ(AskTitled("Do you want to visit Top Dog?", "Top Dog's Den"), c.expected);
        EXPECT_EQ(caption, QStringLiteral("Top Dog's Den"));
        EXPECT_EQ(text, QStringLiteral("Do you want to visit Top Dog?"));
        EXPECT_EQ(icon, QMessageBox::Question);
        EXPECT_TRUE(openAfterEscape);
        EXPECT_TRUE(closeRefused);
        EXPECT_TRUE(openAfterClose);
    }
}

// QueryValue: the default is selected and focused so typing replaces it; OK hands back the
// text exactly as typed; Cancel, Esc and the close box hand back what was passed in.
TEST_F(PromptTest, QueryValueAnswers)
{
    const struct {
        Way way;
        QString button;
        bool accepted;
    } cases[] = {
        { Way::Enter, {}, true },
        { Way::Click, QStringLiteral("OK"), true },
        { Way::Escape, {}, false },
        { Way::Close, {}, false },
        { Way::Click, QStringLiteral("Cancel"), false },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(wayNames[int(c.way)]) + " " + c.button.toStdString());
        ModalScript script;
        QString caption;
        QString prompt;
        QString selected;
        bool focused = false;
        bool centred = false;
        script.Expect(QLatin1String(QueryValueName), [&](QWidget *w) {
            caption = w->windowTitle();
            prompt = w->findChild<QLabel *>(QStringLiteral("Prompt"))->text();
            auto *edit = w->findChild<QLineEdit *>(QStringLiteral("Value"));
            selected = edit->selectedText();
            focused = w->focusWidget() == edit;
            centred = CentredOnScreen(w);
            SaveGrab(w, QStringLiteral("query.png"));
            QTest::keyClicks(edit, QStringLiteral(" 12 "));
            FailIfStillOpen(w, QStringLiteral("Cancel"));
            CloseBy(w, c.way, c.button);
        });
        std::string value = "4";
        EXPECT_EQ(QueryValue("Buy how many Snorfle?", "How many Leather Shoes do you want to buy?", value), c.accepted);
        EXPECT_EQ(value, c.accepted ? " 12 " : "4");
        EXPECT_EQ(caption, QStringLiteral("Buy how many Snorfle?"));
        EXPECT_EQ(prompt, QStringLiteral("How many Leather Shoes do you want to buy?"));
        EXPECT_EQ(selected, QStringLiteral("4"));
        EXPECT_TRUE(focused);
        EXPECT_TRUE(centred);
    }
}

// The entry box holds 255 characters; an empty text is accepted as it is.
TEST_F(PromptTest, QueryValueRefusesThe256thCharacter)
{
    ModalScript script;
    script.Expect(QLatin1String(QueryValueName), [](QWidget *w) {
        auto *edit = w->findChild<QLineEdit *>(QStringLiteral("Value"));
        QTest::keyClicks(edit, QString(254, QLatin1Char('a')) + QStringLiteral("bc"));
        PressKey(w, Qt::Key_Return);
    });
    script.Expect(QLatin1String(QueryValueName), [](QWidget *w) {
        PressKey(w, Qt::Key_Delete);
        PressKey(w, Qt::Key_Return);
    });
    std::string value = "Fido";
    EXPECT_TRUE(QueryValue("Top Snorfle", "Enter your name", value));
    EXPECT_EQ(value, std::string(254, 'a') + "b");
    EXPECT_TRUE(QueryValue("Top Snorfle", "Enter your name", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(script.Finished());
}
