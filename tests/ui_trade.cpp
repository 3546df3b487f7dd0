// Trading from the main window's columns, through real clicks and real prompts. These
// would catch a handler wired to the wrong list or event, a missing or misplaced closing
// step, a cancelled prompt that still deselects the row, a refusal that refreshes the
// display, and a click or key that trades without a row being picked.
#include "WindowTesting.h"

#include "ScriptedPrompts.h"

#include "Unit1.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

constexpr int MilkBones = 0;
constexpr int RawhideBones = 1;
constexpr int LeatherShoes = 2;
constexpr int Slippers = 3;
constexpr int FleaCollars = 9;

QListWidget *List(const char *name)
{
    return SnorfleMain->findChild<QListWidget *>(QLatin1String(name));
}

QWidget *Trot()
{
    return SnorfleMain->findChild<QPushButton *>(QStringLiteral("TrotBttn"));
}

// Closes any note or quantity prompt that wrongly comes up, so the test ends either way,
// and counts them.
class PromptTrap {
public:
    PromptTrap()
    {
        responder.On(QLatin1String(QueryValueName), ClickingButton(QStringLiteral("Cancel")))
            .On(QLatin1String(ShowNoteName), ClickingButton(QStringLiteral("OK")));
    }
    int Sprung() const
    {
        return responder.Count(QLatin1String(QueryValueName)) + responder.Count(QLatin1String(ShowNoteName));
    }

private:
    Responder responder;
};

// What the quantity prompt showed when it came up.
struct QueryShown {
    QString caption;
    QString prompt;
    QString text;
    QString selected;
    bool focused = false;
};

// Reads the prompt, then types keys into its entry box (nothing to take the default) and
// closes it with the given key.
ModalScript::Action TypeIntoQuery(QueryShown &shown, const QString &typed, Qt::Key closeKey = Qt::Key_Return)
{
    return [&shown, typed, closeKey](QWidget *w) {
        auto *edit = w->findChild<QLineEdit *>(QStringLiteral("Value"));
        shown = { w->windowTitle(), w->findChild<QLabel *>(QStringLiteral("Prompt"))->text(), edit->text(),
            edit->selectedText(), w->focusWidget() == edit };
        if (!typed.isEmpty())
            QTest::keyClicks(edit, typed);
        PressKey(w, closeKey);
    };
}

// Reads a note and closes it with Enter.
ModalScript::Action ReadNote(QStringList &texts)
{
    return [&texts](QWidget *w) {
        texts << MessageText(w);
        PressKey(w, Qt::Key_Return);
    };
}

class TradeWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        MakeAndShowWindows();
        Game.Prices = { 278, 345, 465, 560, 1000, 34, 98, 110, 190, 0 };
        SnorfleMain->UpdateGame();
    }
};

} // namespace

// A purchase from click to refreshed display: row, prompt, typing, GameState, closing step.
TEST_F(TradeWindowTest, BuyingThroughTheRealWindows)
{
    ModalScript script;
    QueryShown shown;
    script.Expect(QLatin1String(QueryValueName), TypeIntoQuery(shown, QStringLiteral("3")));
    ClickListRow(List("BuyBox"), LeatherShoes);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(shown.caption, QStringLiteral("Buy how many Snorfle?"));
    EXPECT_EQ(shown.prompt, QStringLiteral("How many Leather Shoes do you want to buy?"));
    EXPECT_EQ(shown.text, QStringLiteral("4"));
    EXPECT_EQ(shown.selected, QStringLiteral("4"));
    EXPECT_TRUE(shown.focused);

    EXPECT_EQ(Game.Stock[LeatherShoes], 3);
    EXPECT_EQ(Game.PocketsUsed, 3);
    EXPECT_EQ(Game.Cash, 2000 - 3 * 465);
    EXPECT_EQ(List("SellBox")->item(LeatherShoes)->text(), QStringLiteral("3"));
    EXPECT_EQ(LabelText("cashlabel"), QStringLiteral("$ 605"));
    EXPECT_EQ(LabelText("pocketslabel"), QStringLiteral("3/100"));
    EXPECT_TRUE(List("BuyBox")->selectedItems().isEmpty());
    EXPECT_EQ(SnorfleMain->focusWidget(), Trot());
    QCoreApplication::processEvents(); // the columns lay out their new rows from posted events
    SaveGrab(SnorfleMain, QStringLiteral("main_after_buy.png"));
}

// A sale taking the offered count: everything carried of it goes.
TEST_F(TradeWindowTest, SellingTheOfferedCount)
{
    Carry(Slippers, 6);
    Carry(MilkBones, 2);
    SnorfleMain->UpdateGame();
    ModalScript script;
    QueryShown shown;
    script.Expect(QLatin1String(QueryValueName), TypeIntoQuery(shown, {}));
    ClickListRow(List("SellBox"), Slippers);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(shown.caption, QStringLiteral("Sell how many Snorfle?"));
    EXPECT_EQ(shown.prompt, QStringLiteral("How many Slippers do you want to sell?"));
    EXPECT_EQ(shown.text, QStringLiteral("6"));
    EXPECT_EQ(Game.Stock[Slippers], 0);
    EXPECT_EQ(Game.PocketsUsed, 2);
    EXPECT_EQ(Game.Cash, 2000 + 6 * 560);
    EXPECT_EQ(LabelText("pocketslabel"), QStringLiteral("2/100"));
    EXPECT_EQ(List("SellBox")->item(Slippers)->text(), QStringLiteral("0"));
    EXPECT_TRUE(List("SellBox")->selectedItems().isEmpty());
    EXPECT_EQ(SnorfleMain->focusWidget(), Trot());
}

// Refusals: one real note with the exact text, the closing step, and no refresh (a figure
// changed behind the display's back stays unshown).
TEST_F(TradeWindowTest, RefusalsShowOneNoteAndCloseTheTrade)
{
    Game.Cash = 1234;
    ModalScript script;
    QStringList notes;
    QueryShown shown;
    script.Expect(QLatin1String(ShowNoteName), ReadNote(notes));
    ClickListRow(List("SellBox"), Slippers);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(notes, QStringList { QStringLiteral("Woof!  You have no Slippers to sell") });
    EXPECT_TRUE(List("SellBox")->selectedItems().isEmpty());
    EXPECT_EQ(SnorfleMain->focusWidget(), Trot());
    EXPECT_EQ(LabelText("cashlabel"), QStringLiteral("$ 2000"));

    // A typed count with a blank after it; the note breaks its lines where the text has "\r".
    script.Expect(QLatin1String(QueryValueName), TypeIntoQuery(shown, QStringLiteral("7 ")))
        .Expect(QLatin1String(ShowNoteName), ReadNote(notes));
    ClickListRow(List("BuyBox"), MilkBones);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(notes.last(), QStringLiteral("Woof! Did your paw slip?\n\nYou need to enter a valid number"));
    EXPECT_EQ(Game.Stock[MilkBones], 0);
    EXPECT_EQ(Game.Cash, 1234);
    EXPECT_TRUE(List("BuyBox")->selectedItems().isEmpty());
    EXPECT_EQ(SnorfleMain->focusWidget(), Trot());
    EXPECT_EQ(LabelText("cashlabel"), QStringLiteral("$ 2000"));
}

// Off the market: no window at all, yet the row is let go and Trot takes the keyboard.
TEST_F(TradeWindowTest, OffTheMarketRowIsLetGoSilently)
{
    PromptTrap trap;
    List("BuyBox")->setFocus();
    ClickListRow(List("BuyBox"), FleaCollars);
    EXPECT_EQ(trap.Sprung(), 0);
    EXPECT_TRUE(List("BuyBox")->selectedItems().isEmpty());
    EXPECT_EQ(SnorfleMain->focusWidget(), Trot());
}

// Cancelling the quantity leaves the row picked and the keyboard on the list.
TEST_F(TradeWindowTest, CancelLeavesTheRowPicked)
{
    const GameState before = Game;
    ModalScript script;
    QueryShown shown;
    script.Expect(QLatin1String(QueryValueName), TypeIntoQuery(shown, QStringLiteral("2"), Qt::Key_Escape));
    ClickListRow(List("BuyBox"), RawhideBones);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(List("BuyBox")->selectedItems().size(), 1);
    EXPECT_EQ(List("BuyBox")->currentRow(), RawhideBones);
    EXPECT_EQ(SnorfleMain->focusWidget(), List("BuyBox"));
    QCoreApplication::processEvents();
    SaveGrab(SnorfleMain, QStringLiteral("main_cancelled.png"));
    EXPECT_EQ(Game.Stock, before.Stock);
    EXPECT_EQ(Game.Cash, before.Cash);
    EXPECT_EQ(Game.PocketsUsed, before.PocketsUsed);
}

// A click that leaves no row picked (Ctrl on the picked row lets it go) does nothing.
TEST_F(TradeWindowTest, ClickThatPicksNoRowDoesNothing)
{
    Carry(Slippers, 4);
    SnorfleMain->UpdateGame();
    QListWidget *sell = List("SellBox");
    sell->setFocus();
    sell->setCurrentRow(Slippers);
    PromptTrap trap;
    ClickListRow(sell, Slippers, Qt::ControlModifier); // the handler runs inside the click
    QCoreApplication::processEvents();
    EXPECT_TRUE(sell->selectedItems().isEmpty());
    EXPECT_EQ(trap.Sprung(), 0);
    EXPECT_EQ(SnorfleMain->focusWidget(), sell);

    // Nor does a handler called with nothing picked.
    SnorfleMain->SellBoxClick();
    SnorfleMain->BuyBoxClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(trap.Sprung(), 0);
    EXPECT_EQ(Game.Stock[Slippers], 4);
}

// From the keyboard: arrows only move the highlight, Enter or Space picks the row.
TEST_F(TradeWindowTest, EnterPicksTheCurrentRowArrowsDoNot)
{
    QListWidget *buy = List("BuyBox");
    buy->setFocus();
    buy->setCurrentRow(MilkBones);
    ModalScript script;
    QueryShown shown;
    script.Expect(QLatin1String(QueryValueName), TypeIntoQuery(shown, QStringLiteral("1"))).Query(QString(), false);
    QTest::keyClick(buy, Qt::Key_Down); // a handler would run inside the key press
    QCoreApplication::processEvents();
    EXPECT_TRUE(script.Seen().isEmpty());
    EXPECT_EQ(buy->currentRow(), RawhideBones);
    QTest::keyClick(buy, Qt::Key_Return);
    EXPECT_EQ(script.Seen(), QStringList { QLatin1String(QueryValueName) });
    EXPECT_EQ(shown.prompt, QStringLiteral("How many Rawhide Bones do you want to buy?"));
    EXPECT_EQ(Game.Stock[RawhideBones], 1);
    EXPECT_EQ(Game.Cash, 2000 - 345);
    EXPECT_EQ(SnorfleMain->focusWidget(), Trot());

    buy->setFocus();
    buy->setCurrentRow(MilkBones);
    QTest::keyClick(buy, Qt::Key_Space);
    EXPECT_EQ(script.Seen().size(), 2);
    EXPECT_EQ(buy->currentRow(), MilkBones);
}
