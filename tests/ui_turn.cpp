// The day's turn through the real windows. Would catch garden visits offered without an
// arrival, a refused visit that skips the licence offer, the last-day warning out of order
// or twice, a game that fails to end at DaysLeft -1, and a game length lost on New Game.
#include "WindowTesting.h"

#include "ScriptedPrompts.h"
#include "Unit1.h"
#include "Unit6.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

QPushButton *Trot()
{
    return SnorfleMain->findChild<QPushButton *>(QStringLiteral("TrotBttn"));
}

// Picks a row of the travel window the way a player does.
ModalScript::Action PickPlace(int row)
{
    return [row](QWidget *window) { ClickListRow(window->findChild<QListWidget *>(QStringLiteral("placebox")), row); };
}

// A move whose place roll sends the dog to the dog-house and brings no news or coat.
bool DogHouseMove(std::uint32_t ms)
{
    std::uint32_t s = ms;
    const std::uint32_t news = DrawAfter(s, 60) + 1;
    return First(ms, 50) + 1 <= 44 && First(ms, 130) + 7 >= 68 && First(ms, 130) + 7 <= 69 && news >= 20 && news <= 39
        && DrawAfter(s, 40) + 1 <= 36;
}

class TurnTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Freeze(ClockWhere(QuietMove));
        MakeWindows();
    }
};

} // namespace

TEST_F(TurnTest, StayingAtTheGardenOnTheFirstTurnOffersNoVisits)
{
    ModalScript script;
    script.Expect(QStringLiteral("travel"), PickPlace(6));
    QTest::mouseClick(Trot(), Qt::LeftButton);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(script.Seen(), QStringList { "travel" });
    EXPECT_EQ(Game.DaysLeft, 31);
    EXPECT_EQ(Game.AtGarden, 0);
}

TEST_F(TurnTest, ArrivingAtTheGardenAsksBothQuestionsThenOffersTheTag)
{
    {
        ModalScript away;
        away.Expect(QStringLiteral("travel"), PickPlace(0));
        QTest::mouseClick(Trot(), Qt::LeftButton);
        EXPECT_TRUE(away.Finished());
    }
    QStringList questions;
    QStringList offers;
    ModalScript script;
    script.Expect(QStringLiteral("travel"), PickPlace(6))
        .Ask(false, &questions)
        .Ask(false, &questions)
        .Confirm(true, &offers);
    QTest::mouseClick(Trot(), Qt::LeftButton);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(questions,
        (QStringList { "Barkmoor - Finances|Do you want to visit the Top Dog?",
            "Barkmoor - Finances|Do you want to visit the Saving & Bone Bank?" }));
    ASSERT_EQ(offers.size(), 1);
    EXPECT_TRUE(offers[0].startsWith(QStringLiteral("Psst! Do you want to buy a Licence Tag?\n\nIt will cost you $")));
    const int cost = offers[0].mid(offers[0].lastIndexOf('$') + 1).toInt();
    EXPECT_GE(cost, 501);
    EXPECT_LE(cost, 700);
    EXPECT_EQ(Game.AtGarden, 0);
    EXPECT_EQ(Game.HasLicenceTag, 1);
    EXPECT_EQ(Game.Cash, 2000 - cost);
    EXPECT_EQ(LabelText("LicenceLabel"), QStringLiteral("Yes"));
    EXPECT_EQ(LabelText("cashlabel"), QStringLiteral("$ %1").arg(2000 - cost));

    // With a tag the garden brings the two questions only; yes opens each window.
    {
        ModalScript again;
        again.Expect(QStringLiteral("travel"), PickPlace(1));
        QTest::mouseClick(Trot(), Qt::LeftButton);
    }
    ModalScript visits;
    visits.Expect(QStringLiteral("travel"), PickPlace(6))
        .Ask(true)
        .Expect(QStringLiteral("TopDogBox"), ClickingButton(QStringLiteral("Max")))
        .Expect(QStringLiteral("TopDogBox"), ClickingButton(QStringLiteral("Leave")))
        .Ask(true)
        .Expect(QStringLiteral("SavingBankBox"), ClickingButton(QStringLiteral("Leave")));
    QTest::mouseClick(Trot(), Qt::LeftButton);
    EXPECT_TRUE(visits.Finished());
    EXPECT_EQ(
        visits.Seen(), (QStringList { "travel", "AskTitled", "TopDogBox", "TopDogBox", "AskTitled", "SavingBankBox" }));
    EXPECT_EQ(LabelText("cashlabel"), QStringLiteral("$ %1").arg(Game.Cash));
    EXPECT_EQ(Game.Cash, 2000 - cost + 5000);
}

TEST_F(TurnTest, LastDayAtTheGardenThenWarningThenEnd)
{
    Game.Place = 0;
    Game.DaysLeft = 1;
    QStringList notes;
    ModalScript script;
    script.Expect(QStringLiteral("travel"), PickPlace(6)).Ask(false).Ask(false).Confirm(false).Note(&notes);
    QTest::mouseClick(Trot(), Qt::LeftButton);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(script.Seen(), (QStringList { "travel", "AskTitled", "AskTitled", "ConfirmYesNo", "ShowNote" }));
    EXPECT_EQ(notes, QStringList { "You're on the last day Snorfle, better sell what you can" });
    EXPECT_EQ(Trot()->text(), QStringLiteral("End"));
    EXPECT_EQ(Game.DaysLeft, 0);
    EXPECT_EQ(Game.LastDayWarned, 1);

    // "End" goes straight to the game-over window, without travelling.
    QString score;
    script.Expect(QStringLiteral("GameOverBox"), [&](QWidget *box) {
        score = box->findChild<QLabel *>(QStringLiteral("totalcash"))->text();
        ClickButton(box, QStringLiteral("New Game"));
    });
    const std::int32_t expected = Game.Cash + Game.Savings - Game.Debt;
    QTest::mouseClick(Trot(), Qt::LeftButton);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(score, QStringLiteral("$%1").arg(expected));
    EXPECT_EQ(Trot()->text(), QStringLiteral("Trot"));
    EXPECT_EQ(Game.DaysLeft, 31);
    EXPECT_EQ(Game.LastDayWarned, 0);
}

TEST_F(TurnTest, TheDogHouseOnTheLastMoveWarnsThenEndsTheGame)
{
    Freeze(ClockWhere(DogHouseMove));
    Game.Place = 0;
    Game.DaysLeft = 1;
    QStringList notes;
    ModalScript script;
    script.Expect(QStringLiteral("travel"), PickPlace(2))
        .Note(&notes)
        .Note(&notes)
        .Expect(QStringLiteral("GameOverBox"), ClickingButton(QStringLiteral("New Game")));
    QTest::mouseClick(Trot(), Qt::LeftButton);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(notes,
        (QStringList { "Your owner catches you pooping in the house and confines you to the dog-house.  "
                       "Lose 1 day.",
            "You're on the last day Snorfle, better sell what you can" }));
    EXPECT_EQ(Game.DaysLeft, 31); // a new game after the game-over window
    EXPECT_EQ(Trot()->text(), QStringLiteral("Trot"));
}

TEST_F(TurnTest, LostHealthEndsTheGameAtOnce)
{
    Freeze(ClockWhere([](std::uint32_t ms) {
        std::uint32_t s = ms;
        const std::uint32_t news = DrawAfter(s, 60) + 1;
        return First(ms, 50) + 1 <= 44 && First(ms, 130) + 7 >= 10 && First(ms, 130) + 7 <= 13 && news < 10
            && DrawAfter(s, 40) + 1 <= 36;
    }));
    Game.Place = 0;
    Game.Health = 10;
    ModalScript script;
    script.Expect(QStringLiteral("travel"), PickPlace(3))
        .Note()
        .Expect(QStringLiteral("GameOverBox"), [](QWidget *box) {
            EXPECT_LT(Game.Health, 1);
            EXPECT_EQ(Game.HealthGone, 1);
            ClickButton(box, QStringLiteral("New Game"));
        });
    QTest::mouseClick(Trot(), Qt::LeftButton);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(Game.Health, 100);
    EXPECT_EQ(Game.HealthGone, 0);
}

TEST_F(TurnTest, GameLengthSurvivesANewGameFromTheGameOverWindow)
{
    MenuAction("days2")->trigger();
    ASSERT_EQ(Game.DaysLeft, 15);
    ModalScript script;
    script.Expect(QStringLiteral("GameOverBox"), [](QWidget *box) {
        EXPECT_EQ(box->findChild<QLabel *>(QStringLiteral("totalcash"))->text(), QStringLiteral("$-3500"));
        EXPECT_FALSE(SnorfleMain->isVisible());
        ClickButton(box, QStringLiteral("New Game"));
    });
    MenuAction("EndCurrentGame1")->trigger();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(Game.GameLength, 15);
    EXPECT_EQ(Game.DaysLeft, 15);
    EXPECT_TRUE(MenuAction("days2")->isChecked());
    EXPECT_FALSE(MenuAction("days1")->isChecked());
}
