// Menu commands and the about window. Catches ticks that drift from SoundOn or GameLength,
// a length command that forgets to start a game, and an about window that Esc can close.
#include "WindowTesting.h"

#include "Unit1.h"
#include "Unit3.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QWindow>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

class MenuTest : public WindowTest { };

} // namespace

TEST_F(MenuTest, SoundTickFollowsTheMenuAndOnlyANewGameBarks)
{
    MakeWindows();
    ASSERT_EQ(recorder.barks, 1);
    MenuAction("Sound1")->trigger();
    EXPECT_FALSE(MenuAction("Sound1")->isChecked());
    EXPECT_EQ(Game.SoundOn, 0);
    MenuAction("days2")->trigger();
    EXPECT_EQ(recorder.barks, 1); // silent new game
    MenuAction("Sound1")->trigger();
    EXPECT_EQ(Game.SoundOn, 1);
    EXPECT_EQ(recorder.barks, 1); // nothing plays until the next new game
    MenuAction("days1")->trigger();
    EXPECT_EQ(recorder.barks, 2);
}

TEST_F(MenuTest, GameLengthCommandsStartANewGameAndKeepOneTick)
{
    MakeWindows();
    HighScoreTable[1].Name = "kept";
    Game.Cash = 99;
    Game.Debt = 1;
    Game.DaysLeft = 7;
    MenuAction("days2")->trigger();
    EXPECT_TRUE(MenuAction("days2")->isChecked());
    EXPECT_FALSE(MenuAction("days1")->isChecked());
    EXPECT_EQ(Game.GameLength, 15);
    EXPECT_EQ(Game.DaysLeft, 15);
    EXPECT_EQ(Game.Cash, 2000);
    EXPECT_EQ(Game.Debt, 5500);
    EXPECT_EQ(HighScoreTable[1].Name, "kept");

    // Choosing the ticked item again still starts a new game and keeps its tick.
    Game.DaysLeft = 3;
    MenuAction("days2")->trigger();
    EXPECT_TRUE(MenuAction("days2")->isChecked());
    EXPECT_EQ(Game.DaysLeft, 15);

    MenuAction("days1")->trigger();
    EXPECT_TRUE(MenuAction("days1")->isChecked());
    EXPECT_FALSE(MenuAction("days2")->isChecked());
    EXPECT_EQ(Game.DaysLeft, 31);
}

TEST_F(MenuTest, HelpOpensTheFileBesideTheProgramEveryTime)
{
    MakeWindows();
    MenuAction("HelpTopics1")->trigger();
    MenuAction("HelpTopics1")->trigger();
    ASSERT_EQ(recorder.helpFiles.size(), 2);
    const QString expected = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("barkmoor.hlp"));
    EXPECT_EQ(recorder.helpFiles[0], expected);
    EXPECT_EQ(recorder.helpFiles[1], expected);
}

TEST_F(MenuTest, WebSiteOpensTheMakersAddress)
{
    MakeWindows();
    MenuAction("WebSite1")->trigger();
    EXPECT_EQ(recorder.addresses, QStringList { QString::fromLatin1(MakerWebSite) });
}

TEST_F(MenuTest, AboutWindowShowsItsTextsAndOnlyOkClosesIt)
{
    MakeWindows();
    bool checked = false;
    ModalScript script;
    script.Expect(QStringLiteral("aboutbox"), [&](QWidget *about) {
        EXPECT_EQ(about->windowTitle(), QStringLiteral("About Barkmoor"));
        EXPECT_EQ(about->windowHandle()->transientParent(), SnorfleMain->windowHandle());
        ExpectNothingClipped(about);
        EXPECT_EQ(about->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().toImage(),
            SnorfleMain->DogPicture().toImage());
        EXPECT_EQ(about->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().toImage(),
            SnorfleMain->TitlePicture().toImage());
        QTest::keyClick(about, Qt::Key_Escape);
        about->close();
        EXPECT_TRUE(about->isVisible());
        SaveGrab(about, QStringLiteral("about.png"));
        checked = true;
        ClickButton(about, QStringLiteral("OK"));
    });
    MenuAction("About1")->trigger();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(aboutbox->isVisible());
}
