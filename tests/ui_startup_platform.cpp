// Start-up, the help viewer and the real platform layer. Would catch a dialog created
// before the main window (no pictures to copy), a window left showing at start, a help
// viewer that stays blank or silent on a missing file, a bark that needs a sound card, and
// a sound module that cannot be found.
#include "WindowTesting.h"

#include "HelpViewer.h"
#include "QtPlatform.h"
#include "Startup.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "WindowSystem.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

class StartupTest : public WindowTest { };

} // namespace

TEST_F(StartupTest, EveryWindowExistsOnceWithThePicturesAndOnlyTheMainOneShows)
{
    MakeWindows();
    SnorfleMain->show();
    const QList<QDialog *> dialogs { travel, TopDogBox, SavingBankBox, GameOverBox, Warden, aboutbox };
    for (int i = 0; i < dialogs.size(); ++i) {
        ASSERT_NE(dialogs[i], nullptr) << i;
        EXPECT_FALSE(dialogs[i]->isVisible()) << i;
        EXPECT_EQ(dialogs[i]->parentWidget(), SnorfleMain) << i;
    }
    // The game-over window takes its pictures when shown; the others at creation.
    for (QDialog *dialog :
        { static_cast<QDialog *>(travel), static_cast<QDialog *>(TopDogBox), static_cast<QDialog *>(SavingBankBox),
            static_cast<QDialog *>(Warden), static_cast<QDialog *>(aboutbox) }) {
        EXPECT_EQ(dialog->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().toImage(),
            SnorfleMain->DogPicture().toImage())
            << dialog->objectName().toStdString();
        EXPECT_EQ(dialog->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().toImage(),
            SnorfleMain->TitlePicture().toImage());
    }
    QStringList visible;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            visible << w->objectName();
    EXPECT_EQ(visible, QStringList { "SnorfleMain" });
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Barkmoor"));
}

TEST_F(StartupTest, HelpViewerShowsTheFileOrSaysItIsMissing)
{
    const QString beside = TSnorfleMain::HelpFilePath();
    ASSERT_TRUE(QFile::exists(beside)) << "the build puts barkmoor.hlp beside the program";
    HelpViewer *viewer = HelpViewer::Open(beside);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_TRUE(viewer->Browser()->toPlainText().contains(QStringLiteral("Top Dog")));
    EXPECT_FALSE(viewer->findChild<QLabel *>(QStringLiteral("HelpStatus"))->isVisible());

    QTemporaryDir empty;
    const QString missing = empty.filePath(QStringLiteral("barkmoor.hlp"));
    EXPECT_EQ(HelpViewer::Open(missing), viewer); // one viewer, reused
    EXPECT_TRUE(viewer->Browser()->toPlainText().isEmpty());
    auto *status = viewer->findChild<QLabel *>(QStringLiteral("HelpStatus"));
    EXPECT_TRUE(status->isVisible());
    EXPECT_TRUE(status->text().contains(QStringLiteral("barkmoor.hlp")));
    // A window of its own to a screen reader, and Esc closes it as its close button does.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(viewer)->role(), QAccessible::Window);
    QTest::keyClick(viewer->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
}

TEST_F(StartupTest, TheRealPlatformStartsAndBarksWithoutASoundDevice)
{
    QtPlatform desktop(QStringLiteral(BARKMOOR_BUILD_DIR)); // the Qt-backed services, the module where the build put it
    // The sound module found and its entry points resolved: without it the game would be
    // silent, with Sound greyed, on every machine.
    EXPECT_TRUE(desktop.HasSound());
    SetPlatform(&desktop);
    const int outputs = platform().AudioOutputCount();
    platform().PlayBark(); // returns at once whether or not anything can sound
    platform().PlayBark();
    MakeWindows();
    EXPECT_EQ(MenuAction("Sound1")->isEnabled(), outputs != 0);
    EXPECT_EQ(Game.SoundOn, 1);
    DestroyWindows();
    SetPlatform(nullptr);
}

// The real start holds the dialogs and the sound work until the main window has drawn its
// first frame, then does them. Would catch dialogs never made after the frame (the first
// Trot finding no travel window), a held bark that is dropped (a silent first game), a
// device count that is never asked for (Sound left usable on a machine without output),
// and sound work done before the window is drawn (the window kept waiting for it).
TEST_F(StartupTest, SoundWorkWaitsForTheFirstFrameAndThenHappens)
{
    recorder.audioOutputs = 0;
    StartGame(recorder);
    auto *sound = MenuAction("Sound1");
    EXPECT_EQ(recorder.barks, 0);
    EXPECT_TRUE(sound->isEnabled());
    EXPECT_EQ(LabelText("dayslabel"), QStringLiteral("31"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.barks > 0; }));
    // A second bark would come from an event already queued: wait until they are all handled.
    bool drained = false;
    QTimer::singleShot(0, [&drained] { drained = true; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return drained; }, 30'000));
    EXPECT_EQ(recorder.barks, 1);
    for (QDialog *dialog :
        std::initializer_list<QDialog *> { travel, TopDogBox, SavingBankBox, GameOverBox, Warden, aboutbox }) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->isVisible()) << dialog->objectName().toStdString();
    }
    EXPECT_FALSE(sound->isEnabled());
    EXPECT_TRUE(sound->isChecked());
    EXPECT_EQ(Game.SoundOn, 1);
}

// Input that comes before the main window's first frame (a window mapped on a hidden
// workspace never gets one; a screen reader can press Trot without it) finds the travel
// window made on that need. Would catch a handler reaching a dialog not made yet (a crash)
// and dialogs made before the first frame, which would keep the window waiting for them.
TEST_F(StartupTest, TrotPressedBeforeTheFirstFrameOpensTravel)
{
    StartGame(recorder);
    ASSERT_EQ(travel, nullptr);
    ModalScript script;
    script.Expect(QStringLiteral("travel"), [](QWidget *window) { static_cast<TGameDialog *>(window)->CloseWindow(); });
    SnorfleMain->findChild<QPushButton *>(QStringLiteral("TrotBttn"))->click();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(Game.DaysLeft, 31); // left without a pick: no day spent
}

// Whether the game goes through XWayland. Would catch a platform that the player or the
// desktop named being overridden, XWayland taken outside a Wayland session or without an X
// display, and the program's own arguments lost on the way. No compositor answers at the
// Wayland display given, so none draws frames.
TEST(WindowSystemTest, XWaylandOnlyWhereAWaylandSessionWouldDrawNoFrames)
{
    const char *names[] = { "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "DISPLAY" };
    const std::vector<std::vector<const char *>> rows = { // the variables' values, then the arguments added
        { nullptr, "wayland", ":5", "-platform", "xcb" }, { "wayland", "wayland", ":5" }, { nullptr, "x11", ":5" },
        { nullptr, "wayland", nullptr }
    };
    const QProcessEnvironment kept = QProcessEnvironment::systemEnvironment();
    qputenv("WAYLAND_DISPLAY", "/nowhere/wayland-0");
    std::string given[] = { "barkmoor", "-style", "fusion", "-platform" };
    char *argv[] = { given[0].data(), given[1].data(), given[2].data(), given[3].data() };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int i = 0; i < 3; ++i)
            rows[r][i] ? qputenv(names[i], rows[r][i]) : qunsetenv(names[i]);
        std::vector<std::string> expected(given, given + 3);
        expected.insert(expected.end(), rows[r].begin() + 3, rows[r].end());
        EXPECT_EQ(ArgumentsForDesktop(3, argv), expected) << "row " << r;
        EXPECT_EQ(ArgumentsForDesktop(4, argv).size(), 4u) << "row " << r << ": the player's platform is kept";
    }
    for (const char *name : { names[0], names[1], names[2], "WAYLAND_DISPLAY" })
        kept.contains(name) ? qputenv(name, kept.value(name).toLocal8Bit()) : qunsetenv(name);
}
