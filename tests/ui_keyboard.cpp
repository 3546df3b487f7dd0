// The game from the keyboard alone: every key goes to whatever widget has the focus (or the
// open menu), as a player's keys would, never to a slot or a chosen control.
#include "WindowTesting.h"

#include "HighScores.h"
#include "ScriptedPrompts.h"
#include "Startup.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <memory>
#include <string>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

// Where a key typed now would go: an open menu, else the focused widget of the window that
// is up (a prompt or dialog, else the main window). Offscreen there is no window manager to
// give a window back its activation when a prompt over it closes, so that is done here.
QWidget *KeyTarget()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    QWidget *window = QApplication::activeModalWidget();
    if (!window)
        window = SnorfleMain;
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 10'000))
            ADD_FAILURE() << "window not activated: " << window->objectName().toStdString();
    }
    if (QWidget *focused = QApplication::focusWidget())
        return focused;
    return window;
}

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *target = KeyTarget();
    ASSERT_NE(target, nullptr) << "no widget takes keys";
    QTest::keyClick(target, key, modifiers);
}

void Type(const QString &text)
{
    QWidget *target = KeyTarget();
    ASSERT_NE(target, nullptr);
    QTest::keyClicks(target, text);
}

QString FocusName()
{
    QWidget *target = KeyTarget();
    return target ? target->objectName() : QString();
}

QString ActiveMenuItem()
{
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    return menu && menu->activeAction() ? menu->activeAction()->text() : QString();
}

// A key's name for failure messages; QTest::toString hands over a string to delete.
std::string KeyName(Qt::Key key)
{
    const std::unique_ptr<char[]> name(QTest::toString(key));
    return name.get();
}

// One key in the travel window, which must close it with a pick.
void PickByKey(Qt::Key key)
{
    Key(key);
    if (travel->isVisible()) {
        ADD_FAILURE() << "no pick by " << KeyName(key);
        travel->CloseWindow();
    }
}

class KeyboardTest : public WindowTest { };

} // namespace

// Typing an amount and pressing Enter in Top Dog's Den or the bank moves no money, in
// either window: catches a button left auto-default (the next one after "Leave", Repay or
// Deposit, is what Qt would pick). Enter on the focused "Leave" still leaves.
TEST_F(KeyboardTest, EnterInTheAmountBoxMovesNoMoney)
{
    MakeAndShowWindows();
    for (QDialog *window : std::initializer_list<QDialog *> { TopDogBox, SavingBankBox }) {
        SCOPED_TRACE(window->objectName().toStdString());
        Game.Savings = 700;
        const std::array<std::int32_t, 5> before
            = { Game.Cash, Game.Debt, Game.Savings, Game.BorrowedThisVisit, Game.WithdrewThisVisit };
        // A message would mean money was moved (or refused): answered so the test fails
        // rather than hangs.
        Responder notes;
        notes.On(QLatin1String(ShowNoteName), [](QWidget *note) { ClickButton(note, QStringLiteral("OK")); });
        ModalScript script;
        script.Expect(window->objectName(), [](QWidget *) {
            EXPECT_EQ(FocusName(), QStringLiteral("cancelbttn"));
            Key(Qt::Key_Backtab);
            EXPECT_EQ(FocusName(), QStringLiteral("AmountBox"));
            Key(Qt::Key_A, Qt::ControlModifier);
            Type(QStringLiteral("100"));
            Key(Qt::Key_Return);
            Key(Qt::Key_Enter, Qt::KeypadModifier);
            Key(Qt::Key_Tab);
            EXPECT_EQ(FocusName(), QStringLiteral("cancelbttn"));
            Key(Qt::Key_Return);
        });
        window->exec();
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(notes.Count(QLatin1String(ShowNoteName)), 0);
        EXPECT_EQ((std::array<std::int32_t, 5> {
                      Game.Cash, Game.Debt, Game.Savings, Game.BorrowedThisVisit, Game.WithdrewThisVisit }),
            before);
        EXPECT_FALSE(window->isVisible());
    }
}

// Enter and Space on a focused money button press it, and Enter on "Repay" after the
// amount was typed repays it: catches a key filter that swallows Enter on every button.
TEST_F(KeyboardTest, EnterOnAFocusedButtonPressesIt)
{
    MakeAndShowWindows();
    ModalScript script;
    script
        .Expect(QStringLiteral("TopDogBox"),
            [](QWidget *) {
                Key(Qt::Key_Backtab);
                Key(Qt::Key_A, Qt::ControlModifier);
                Type(QStringLiteral("100"));
                Key(Qt::Key_Tab); // Leave
                Key(Qt::Key_Tab); // Repay
                EXPECT_EQ(FocusName(), QStringLiteral("repaybttn"));
                Key(Qt::Key_Return);
            })
        .Note()
        .Expect(QStringLiteral("TopDogBox"), [](QWidget *) {
            Key(Qt::Key_Backtab);
            EXPECT_EQ(FocusName(), QStringLiteral("cancelbttn"));
            Key(Qt::Key_Space);
        });
    TopDogBox->exec();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(Game.Debt, 5400);
    EXPECT_EQ(Game.Cash, 1900);
}

// Enter on the focused Trot button plays the turn, as Space does: catches a Trot that, not
// being in a dialog, ignores Enter.
TEST_F(KeyboardTest, EnterOnTrotPlaysTheTurn)
{
    Freeze(ClockWhere(QuietMove));
    MakeAndShowWindows();
    ASSERT_EQ(FocusName(), QStringLiteral("TrotBttn"));
    ModalScript script;
    script.Expect(QStringLiteral("travel"), [](QWidget *) { Key(Qt::Key_Home); });
    Key(Qt::Key_Return);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(Game.Place, 0);
    EXPECT_EQ(Game.DaysLeft, 30);
}

// Every place can be picked by key on the first showing and later ones. Catches the list's
// unmarked first row that Up, Home, Space and Enter could not pick, and a pick counted
// twice. From the garden (row 6) a key that picks another row is a move (a day passes).
TEST_F(KeyboardTest, EveryPlaceCanBePickedByKey)
{
    Freeze(ClockWhere(QuietMove));
    MakeWindows();
    struct Row {
        Qt::Key key;
        int place;
    };
    // First showings, each on fresh windows: Up, Down and Home start at the top.
    const Row first[] = { { Qt::Key_Up, 0 }, { Qt::Key_Down, 0 }, { Qt::Key_Home, 0 }, { Qt::Key_Space, 0 },
        { Qt::Key_Return, 0 }, { Qt::Key_End, 6 }, { Qt::Key_PageDown, 6 } };
    for (const Row &row : first) {
        SCOPED_TRACE(KeyName(row.key));
        DestroyWindows();
        ResetProcessState();
        MakeWindows();
        ModalScript script;
        script.Expect(QStringLiteral("travel"), [&](QWidget *) { PickByKey(row.key); });
        travel->exec();
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(Game.Place, row.place);
        EXPECT_EQ(Game.DaysLeft, row.place == 6 ? 31 : 30);
    }

    // Later showings start from the last pick: Groomers again by Enter (a stay), the garden
    // by End, and each neighbour by the arrows.
    struct Later {
        Qt::Key key;
        int place;
        int days;
    };
    const Later later[] = { { Qt::Key_Home, 0, 30 }, { Qt::Key_Return, 0, 30 }, { Qt::Key_Down, 1, 29 },
        { Qt::Key_Space, 1, 29 }, { Qt::Key_End, 6, 28 }, { Qt::Key_Up, 5, 27 } };
    DestroyWindows();
    ResetProcessState();
    MakeWindows();
    for (const Later &row : later) {
        SCOPED_TRACE(KeyName(row.key));
        ModalScript script;
        script.Expect(QStringLiteral("travel"), [&](QWidget *) { PickByKey(row.key); });
        travel->exec();
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(Game.Place, row.place);
        EXPECT_EQ(Game.DaysLeft, row.days);
    }
}

// F10, or Alt pressed and released, opens the menu; the arrows and Enter choose "15 Days".
// Catches a menu that only the mouse can reach, the captions having no access keys.
TEST_F(KeyboardTest, TheMenuFromTheKeyboard)
{
    MakeAndShowWindows();
    for (bool byF10 : { true, false }) {
        SCOPED_TRACE(byF10 ? "F10" : "Alt");
        ResetGameState();
        Game.GameLength = 31;
        if (byF10) {
            Key(Qt::Key_F10);
        } else {
            QTest::keyPress(KeyTarget(), Qt::Key_Alt);
            QTest::keyRelease(KeyTarget(), Qt::Key_Alt, Qt::AltModifier);
            Key(Qt::Key_Down);
        }
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 10'000));
        EXPECT_EQ(QApplication::activePopupWidget()->objectName(), QStringLiteral("Exit1"));
        Key(Qt::Key_Right);
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return QApplication::activePopupWidget()->objectName() == QStringLiteral("Options1"); }, 10'000));
        while (ActiveMenuItem() != QStringLiteral("New Game")) {
            const QString was = ActiveMenuItem();
            Key(Qt::Key_Down);
            ASSERT_NE(ActiveMenuItem(), was);
        }
        Key(Qt::Key_Right);
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return QApplication::activePopupWidget()->objectName() == QStringLiteral("NewGame1"); }, 10'000));
        if (ActiveMenuItem().isEmpty())
            Key(Qt::Key_Down);
        ASSERT_EQ(ActiveMenuItem(), QStringLiteral("15 Days"));
        Game.Cash = 1;
        Key(Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 10'000));
        EXPECT_EQ(Game.GameLength, 15);
        EXPECT_EQ(Game.DaysLeft, 15);
        EXPECT_EQ(Game.Cash, 2000);
    }
}

namespace {

// A move with no Dog Catcher and no news, on which the flowerbed gives at least $4500.
bool MoveWithAFind(std::uint32_t ms)
{
    if (First(ms, 50) + 1 > 44)
        return false;
    std::uint32_t s = ms;
    const std::uint32_t roll = DrawAfter(s, 130) + 7;
    if (roll < 18 || roll > 22 || DrawAfter(s, 5000) + 501 < 4500)
        return false;
    s = ms;
    const std::uint32_t news = DrawAfter(s, 60) + 1;
    if ((news >= 10 && news <= 19) || (news >= 40 && news <= 49))
        return false;
    return DrawAfter(s, 40) + 1 <= 36;
}

// Moves the highlight of the focused list from its current row to `row` with the arrows.
void ArrowTo(int row)
{
    auto *list = qobject_cast<QListWidget *>(QApplication::focusWidget());
    ASSERT_NE(list, nullptr);
    while (list->currentRow() < row)
        Key(Qt::Key_Down);
    while (list->currentRow() > row)
        Key(Qt::Key_Up);
}

} // namespace

// A whole 15-day game with key events only: the menu, a purchase and a sale, a visit to Top
// Dog and the bank with typed amounts, travel by the arrows, the Dog Catcher's buttons,
// every prompt by Enter or Esc, the high-score name and "New Game". Catches any place in a
// game where a keyboard player would be stuck (a window with no key that leaves it, a
// focus that lands nowhere, a pick only the mouse can make).
TEST_F(KeyboardTest, AWholeGameWithTheKeyboardOnly)
{
    const std::uint32_t find = ClockWhere(MoveWithAFind);
    const std::uint32_t quiet = ClockWhere(QuietMove);
    const std::uint32_t catcher = ClockWhere([](std::uint32_t ms) { return First(ms, 50) + 1 >= 45; });
    Freeze(quiet);
    MakeAndShowWindows();
    // A table a good 15-day game can enter, so the name prompt comes.
    HighScoreTable[0].Score = 3000;
    HighScoreTable[1].Score = 2000;
    HighScoreTable[2].Score = 1000;

    Key(Qt::Key_F10);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    Key(Qt::Key_Right);
    for (int step = 0; step < 5 && ActiveMenuItem() != QStringLiteral("New Game"); ++step)
        Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    if (ActiveMenuItem().isEmpty())
        Key(Qt::Key_Down);
    ASSERT_EQ(ActiveMenuItem(), QStringLiteral("15 Days"));
    Key(Qt::Key_Return);
    ASSERT_EQ(Game.DaysLeft, 15);

    int day = 0;
    int repaid = 0;
    int deposited = 0;
    QStringList queries;
    Responder responder;
    responder.On(QLatin1String(ShowNoteName), [](QWidget *) { Key(Qt::Key_Return); })
        .On(QLatin1String(ConfirmYesNoName), [](QWidget *) { Key(Qt::Key_Escape); })
        .On(QLatin1String(AskTitledName), [](QWidget *) { Key(Qt::Key_Return); })
        .On(QLatin1String(QueryValueName),
            [&](QWidget *w) {
                queries << w->windowTitle();
                if (w->windowTitle() == QStringLiteral("Buy how many Snorfle?"))
                    Type(QStringLiteral("3"));
                else if (w->windowTitle() == QStringLiteral("Barkmoor - New Barkmoor High Score"))
                    Type(QStringLiteral("Keyboard Dog"));
                Key(Qt::Key_Return);
            })
        .On(QStringLiteral("travel"),
            [&](QWidget *) {
                // Groomers first, then back and forth between the garden and the parking lot.
                Key(day == 1 ? Qt::Key_Up : day % 2 == 0 ? Qt::Key_End : Qt::Key_Up);
            })
        .On(QStringLiteral("TopDogBox"),
            [&](QWidget *) {
                if (repaid == 0) {
                    Key(Qt::Key_Backtab); // into the amount box
                    Key(Qt::Key_A, Qt::ControlModifier);
                    Type(QStringLiteral("100"));
                    Key(Qt::Key_Tab); // Leave
                    Key(Qt::Key_Tab); // Repay
                    Key(Qt::Key_Return);
                    ++repaid;
                    Key(Qt::Key_Backtab);
                }
                EXPECT_EQ(FocusName(), QStringLiteral("cancelbttn"));
                Key(Qt::Key_Return);
            })
        .On(QStringLiteral("SavingBankBox"),
            [&](QWidget *) {
                if (deposited == 0) {
                    Key(Qt::Key_Backtab);
                    Key(Qt::Key_A, Qt::ControlModifier);
                    Type(QStringLiteral("50"));
                    Key(Qt::Key_Tab);
                    Key(Qt::Key_Tab); // Deposit
                    Key(Qt::Key_Space);
                    ++deposited;
                    Key(Qt::Key_Backtab);
                }
                EXPECT_EQ(FocusName(), QStringLiteral("cancelbttn"));
                Key(Qt::Key_Space);
            })
        .On(QStringLiteral("Warden"),
            [](QWidget *) {
                Key(Qt::Key_Tab); // Fight
                EXPECT_EQ(FocusName(), QStringLiteral("Button2"));
                Key(Qt::Key_Space);
                EXPECT_EQ(FocusName(), QStringLiteral("Button3")); // OK
                Key(Qt::Key_Return);
            })
        .On(QStringLiteral("GameOverBox"), [](QWidget *) {
            Key(Qt::Key_Tab);
            EXPECT_EQ(FocusName(), QStringLiteral("newgamebttn"));
            Key(Qt::Key_Return);
        });

    int bought = -1;
    int sales = 0;
    auto *trot = SnorfleMain->findChild<QPushButton *>(QStringLiteral("TrotBttn"));
    while (trot->text() == QStringLiteral("Trot") && day < 20) {
        ASSERT_EQ(FocusName(), QStringLiteral("TrotBttn"));
        if (day == 0) {
            // Buy three of the first good on sale, from the price column by arrows.
            for (int item = 0; item < ItemCount && bought < 0; ++item)
                if (Game.Prices[item] > 0 && Game.Prices[item] * 3 <= Game.Cash)
                    bought = item;
            ASSERT_GE(bought, 0);
            Key(Qt::Key_Backtab);
            ASSERT_EQ(FocusName(), QStringLiteral("BuyBox"));
            ArrowTo(bought);
            Key(Qt::Key_Return);
            ASSERT_EQ(Game.Stock[bought], 3);
        } else if (Game.Stock[bought] > 0 && Game.Prices[bought] > 0) {
            Key(Qt::Key_Tab);
            ASSERT_EQ(FocusName(), QStringLiteral("SellBox"));
            ArrowTo(bought);
            Key(Qt::Key_Return); // the offered count is everything carried
            EXPECT_EQ(Game.Stock[bought], 0);
            ++sales;
        }
        ++day;
        Freeze(day == 5 ? catcher : day % 2 == 1 ? find : quiet);
        Key(Qt::Key_Return);
    }
    EXPECT_GE(sales, 1);
    EXPECT_EQ(repaid, 1);
    EXPECT_EQ(deposited, 1);
    EXPECT_EQ(responder.Count(QStringLiteral("Warden")), 1);
    EXPECT_GE(responder.Count(QStringLiteral("TopDogBox")), 2);
    ASSERT_EQ(trot->text(), QStringLiteral("End"));
    EXPECT_EQ(day, 15);
    // Worked by hand: three Milk Bones bought for $138 and sold for $252, seven finds of
    // $4584, $100 repaid and $50 saved; the debt grows by a tenth while the cash is below it,
    // then by a fiftieth of the cash. $34,052 + $50 - $10,713 makes the table's first place.
    EXPECT_EQ(Game.Cash, 34'052);
    EXPECT_EQ(Game.Savings, 50);
    EXPECT_EQ(Game.Debt, 10'713);
    constexpr std::int32_t score = 23'389;

    std::printf("keyboard game: %d turns, sales %d, Top Dog %d, bank %d, Dog Catcher %d, notes %d, score %d\n", day,
        sales, responder.Count(QStringLiteral("TopDogBox")), responder.Count(QStringLiteral("SavingBankBox")),
        responder.Count(QStringLiteral("Warden")), responder.Count(QLatin1String(ShowNoteName)), int(score));
    ASSERT_EQ(FocusName(), QStringLiteral("TrotBttn"));
    Key(Qt::Key_Return);
    EXPECT_EQ(responder.Count(QStringLiteral("GameOverBox")), 1);
    EXPECT_TRUE(queries.contains(QStringLiteral("Barkmoor - New Barkmoor High Score")));
    EXPECT_EQ(HighScoreTable[0].Name, "Keyboard Dog");
    EXPECT_EQ(HighScoreTable[0].Score, score);
    EXPECT_TRUE(SnorfleMain->isVisible());
    EXPECT_EQ(trot->text(), QStringLiteral("Trot"));
    EXPECT_EQ(Game.DaysLeft, 15);
}
