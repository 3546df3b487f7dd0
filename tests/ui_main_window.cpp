// The main window after start-up: what the player first sees, and that every figure is
// copied from GameState rather than left from the window description.
#include "WindowTesting.h"

#include "Unit1.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

QStringList Rows(const char *name)
{
    QStringList rows;
    auto *list = SnorfleMain->findChild<QListWidget *>(QLatin1String(name));
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text();
    return rows;
}

class MainWindowTest : public WindowTest { };

} // namespace

TEST_F(MainWindowTest, StartsWithAFreshGameOnDisplay)
{
    Freeze(43'210'987);
    MakeWindows();
    ASSERT_NE(SnorfleMain, nullptr);
    EXPECT_EQ(SnorfleMain->windowTitle(), QStringLiteral("Barkmoor - Personal Edition"));
    EXPECT_EQ(LabelText("cashlabel"), QStringLiteral("$ 2000"));
    EXPECT_EQ(LabelText("debtlabel"), QStringLiteral("$ 5500"));
    EXPECT_EQ(LabelText("savingslabel"), QStringLiteral("$ 0"));
    EXPECT_EQ(LabelText("pocketslabel"), QStringLiteral("0/100"));
    EXPECT_EQ(LabelText("dayslabel"), QStringLiteral("31"));
    EXPECT_EQ(LabelText("placelabel"), QStringLiteral("Neighbor's Garden"));
    EXPECT_EQ(LabelText("LicenceLabel"), QStringLiteral("No"));
    auto *bar = SnorfleMain->findChild<QProgressBar *>(QStringLiteral("healthbar"));
    EXPECT_EQ(bar->value(), 100);
    EXPECT_FALSE(bar->isTextVisible());
    EXPECT_EQ(Rows("SellBox"), QStringList(10, QStringLiteral("0")));
    EXPECT_EQ(Game.SoundOn, 1);
    EXPECT_EQ(recorder.barks, 1);

    // The day's draw for this millisecond, worked by hand: the ten prices in item order,
    // then both withdrawals fall on Table Scraps.
    EXPECT_EQ(Rows("BuyBox"),
        (QStringList { "$ 93", "$ 633", "$ 535", "$ 176", "$ 2925", "$ 61", "$ 262", "$ 0", "$ 527", "$ 239" }));
    EXPECT_EQ(Rows("ListBox2").first(), QStringLiteral("Milk Bone"));
    EXPECT_EQ(Rows("ListBox2").at(2), QStringLiteral("Owner's Leather Shoe"));
    SaveGrab(SnorfleMain, QStringLiteral("main.png"));
}

TEST_F(MainWindowTest, ClientAreaAndControlsSitWhereTheLayoutPutsThem)
{
    MakeWindows();
    EXPECT_EQ(
        SnorfleMain->height(), SnorfleMain->centralWidget()->height() + SnorfleMain->menuBar()->sizeHint().height());
    EXPECT_EQ(SnorfleMain->minimumSize(), SnorfleMain->maximumSize());
    EXPECT_FALSE(SnorfleMain->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(SnorfleMain->windowFlags() & Qt::WindowMaximizeButtonHint);
    ExpectNothingClipped(SnorfleMain->centralWidget());
    // The pictures as drawn, each in its own place.
    EXPECT_EQ(SnorfleMain->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().toImage(),
        QPixmap(QStringLiteral(":/dog.bmp")).toImage());
    EXPECT_EQ(SnorfleMain->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().toImage(),
        QPixmap(QStringLiteral(":/title.bmp")).toImage());

    // The ten rows fill each column exactly, so every click lands on a row.
    auto *sell = SnorfleMain->findChild<QListWidget *>(QStringLiteral("SellBox"));
    EXPECT_EQ(sell->visualItemRect(sell->item(9)).bottom(), sell->contentsRect().height() - 1);
}

TEST_F(MainWindowTest, MenuTreeWithItsTicks)
{
    recorder.audioOutputs = 0;
    MakeWindows();
    QStringList titles;
    for (QAction *top : SnorfleMain->menuBar()->actions())
        titles << top->text();
    EXPECT_EQ(titles, (QStringList { "File", "Options", "Help" }));
    // No sound device: greyed out, still ticked, and the bark is still requested.
    EXPECT_FALSE(MenuAction("Sound1")->isEnabled());
    EXPECT_TRUE(MenuAction("Sound1")->isChecked());
    EXPECT_EQ(Game.SoundOn, 1);
    EXPECT_EQ(recorder.barks, 1);
    EXPECT_TRUE(MenuAction("days1")->isChecked());
    EXPECT_FALSE(MenuAction("days2")->isChecked());
    QStringList options;
    for (QAction *a : SnorfleMain->findChild<QMenu *>(QStringLiteral("Options1"))->actions())
        options << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(options, (QStringList { "Sound", "-", "New Game", "End Game" }));
    QStringList help;
    for (QAction *a : SnorfleMain->findChild<QMenu *>(QStringLiteral("Help1"))->actions())
        help << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(help, (QStringList { "Help Topics", "-", "Web Site", "-", "About" }));
}

TEST_F(MainWindowTest, UpdateGameShowsNegativeMoneyAndABiggerCoat)
{
    MakeWindows();
    Game.Cash = -250;
    Game.Debt = -1;
    Game.PocketsUsed = 37;
    Game.PocketCapacity = 115;
    Game.DaysLeft = -1;
    Game.Health = -20;
    Game.HasLicenceTag = 1;
    Game.Place = 3;
    SnorfleMain->UpdateGame();
    EXPECT_EQ(LabelText("cashlabel"), QStringLiteral("$ -250"));
    EXPECT_EQ(LabelText("debtlabel"), QStringLiteral("$ -1"));
    EXPECT_EQ(LabelText("pocketslabel"), QStringLiteral("37/115"));
    EXPECT_EQ(LabelText("dayslabel"), QStringLiteral("-1"));
    EXPECT_EQ(LabelText("placelabel"), QStringLiteral("Obedience School"));
    EXPECT_EQ(LabelText("LicenceLabel"), QStringLiteral("Yes"));
    EXPECT_EQ(SnorfleMain->findChild<QProgressBar *>(QStringLiteral("healthbar"))->value(), 0);
}
