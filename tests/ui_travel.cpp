// The travel window. Would catch a pick counted twice (click plus selection change), an
// arrow key that picks nothing, Esc or the close box letting the player out without a
// pick, a highlight lost between showings, and a window that leaves before the Dog Catcher.
#include "WindowTesting.h"

#include "ScriptedPrompts.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit7.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

QListWidget *PlaceList()
{
    return travel->findChild<QListWidget *>(QStringLiteral("placebox"));
}

void ClickRow(int row)
{
    ClickListRow(PlaceList(), row);
}

class TravelWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Freeze(ClockWhere(QuietMove));
        MakeWindows();
    }
};

} // namespace

TEST_F(TravelWindowTest, LayoutListsTheSevenPlaces)
{
    EXPECT_EQ(travel->windowTitle(), QStringLiteral("Where to Snorfle?"));
    EXPECT_FALSE(travel->windowFlags() & Qt::WindowCloseButtonHint);
    // Row n is the place the rules number n, so a pick goes where its row says.
    ASSERT_EQ(PlaceList()->count(), 7);
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(PlaceList()->item(row)->text().toStdString(), GameText[FirstPlaceText + row]) << row;
    ExpectNothingClipped(travel);
    EXPECT_EQ(PlaceList()->visualItemRect(PlaceList()->item(6)).bottom(), 90);
    EXPECT_EQ(
        travel->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().toImage(), SnorfleMain->DogPicture().toImage());
}

TEST_F(TravelWindowTest, OneClickIsOneMoveAndEscDoesNotLeave)
{
    ModalScript script;
    script.Expect(QStringLiteral("travel"), [](QWidget *window) {
        QTest::keyClick(window, Qt::Key_Escape);
        window->close();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(Game.DaysLeft, 31);
        SaveGrab(window, QStringLiteral("travel.png"));
        ClickRow(2);
    });
    travel->exec();
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(travel->isVisible());
    EXPECT_EQ(Game.Place, 2);
    EXPECT_EQ(Game.DaysLeft, 30);
    EXPECT_EQ(Game.Debt, 6050);

    // The pick stays highlighted; clicking it again is a stay, not a move.
    script.Expect(QStringLiteral("travel"), [](QWidget *) {
        EXPECT_EQ(PlaceList()->currentRow(), 2);
        EXPECT_TRUE(PlaceList()->item(2)->isSelected());
        ClickRow(2);
    });
    travel->exec();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(Game.DaysLeft, 30);
}

TEST_F(TravelWindowTest, AnArrowKeyIsOnePick)
{
    ModalScript script;
    script.Expect(QStringLiteral("travel"), [](QWidget *) { ClickRow(3); });
    travel->exec();
    script.Expect(QStringLiteral("travel"), [](QWidget *) { QTest::keyClick(PlaceList(), Qt::Key_Down); });
    travel->exec();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(Game.Place, 4);
    EXPECT_EQ(Game.DaysLeft, 29);
}

TEST_F(TravelWindowTest, TheWindowStaysUpUnderTheDogCatcher)
{
    Freeze(ClockWhere([](std::uint32_t ms) { return First(ms, 50) + 1 >= 45; }));
    bool travelShownUnderneath = false;
    ModalScript script;
    script.Expect(QStringLiteral("travel"), [](QWidget *) { ClickRow(0); })
        .Expect(QStringLiteral("Warden"), [&](QWidget *warden) {
            travelShownUnderneath = travel->isVisible();
            ClickButton(warden, QStringLiteral("Run"));
            ClickButton(warden, QStringLiteral("OK"));
        });
    travel->exec();
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(travelShownUnderneath);
    EXPECT_EQ(Game.CatcherVisits, 1);
    EXPECT_FALSE(travel->isVisible());
}
