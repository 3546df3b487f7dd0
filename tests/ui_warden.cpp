// The Dog Catcher window. These would catch a control out of place, a choice that leaves
// its buttons showing, an outcome not written where the player reads it, Esc or the
// window manager letting the dog slip away, and a second showing that starts mid-story.
#include "WindowTesting.h"

#include "ScriptedPrompts.h"
#include "Unit1.h"
#include "Unit7.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace barkmoor;
using namespace barkmoor::testing;

namespace {

const QString Opening
    = QStringLiteral("Oops! the Dog Catcher is in the area and has caught up with you.  What are you going to do now?");

template<typename T> T *Control(const char *name)
{
    return Warden->findChild<T *>(QLatin1String(name));
}

// The choosing state every showing must start in.
void ExpectChoosing(QWidget *window)
{
    EXPECT_EQ(Control<QLabel>("Label2")->text(), Opening);
    EXPECT_TRUE(Control<QPushButton>("Button1")->isVisibleTo(window));
    EXPECT_TRUE(Control<QPushButton>("Button2")->isVisibleTo(window));
    EXPECT_FALSE(Control<QPushButton>("Button3")->isVisibleTo(window));
}

class WardenTest : public WindowTest { };

} // namespace

TEST_F(WardenTest, LayoutAndOpeningState)
{
    MakeWindows();
    ASSERT_NE(Warden, nullptr);
    EXPECT_EQ(Warden->windowTitle(), QStringLiteral("Barkmoor - The Dog Catcher"));
    EXPECT_EQ(Warden->minimumSize(), Warden->maximumSize());
    EXPECT_FALSE(Warden->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(Warden->isVisible());
    EXPECT_TRUE(Control<QLabel>("Label2")->wordWrap());
    // The outcome's OK button (shown later) and Run/Fight share the bottom row; each fits.
    ExpectNothingClipped(Warden);
    Control<QPushButton>("Button3")->show();
    ExpectNothingClipped(Warden);
    Control<QPushButton>("Button3")->hide();
    ExpectChoosing(Warden);
    // The pictures are the main window's, copied rather than shared.
    const QImage dog = Control<QLabel>("Image1")->pixmap().toImage();
    EXPECT_EQ(dog, SnorfleMain->DogPicture().toImage());
    EXPECT_EQ(Control<QLabel>("Image2")->pixmap().toImage(), SnorfleMain->TitlePicture().toImage());
    EXPECT_NE(Control<QLabel>("Image1")->pixmap().cacheKey(), SnorfleMain->DogPicture().cacheKey());
}

TEST_F(WardenTest, RunThenOkThroughTheRealWindowAndASecondShowingStartsAfresh)
{
    MakeWindows();
    Game.HasLicenceTag = 1;
    Game.Stock[2] = 6;
    Game.PocketsUsed = 6;
    Freeze(FindMillisecond(100, 40)); // Run: v = 50, tag confiscated

    ModalScript script;
    script.Expect(QStringLiteral("Warden"), [](QWidget *w) {
        ExpectChoosing(w);
        SaveGrab(w, QStringLiteral("warden_choosing.png"));
        // Neither Esc nor the window manager's close lets the dog go.
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(w, &esc);
        w->close();
        EXPECT_TRUE(w->isVisible());
        ClickButton(w, QStringLiteral("Run"));
        EXPECT_EQ(Game.HasLicenceTag, 0); // made at the choice, before OK
        EXPECT_EQ(
            Control<QLabel>("Label2")->text(), QStringLiteral("Oops! You were caught and he confiscated your licence"));
        EXPECT_FALSE(Control<QPushButton>("Button1")->isVisible());
        EXPECT_FALSE(Control<QPushButton>("Button2")->isVisible());
        EXPECT_TRUE(Control<QPushButton>("Button3")->isVisible());
        SaveGrab(w, QStringLiteral("warden_outcome.png"));
        QKeyEvent escAgain(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(w, &escAgain);
        w->close();
        EXPECT_TRUE(w->isVisible());
        ClickButton(w, QStringLiteral("OK"));
    });
    // The same millisecond without a tag, fighting: v = 41, nothing lost.
    script.Expect(QStringLiteral("Warden"), [](QWidget *w) {
        ExpectChoosing(w);
        ClickButton(w, QStringLiteral("Fight"));
        EXPECT_EQ(Control<QLabel>("Label2")->text(),
            QStringLiteral("You got away! You jumped up and bit him on the ankle then ran."));
        ClickButton(w, QStringLiteral("OK"));
    });

    Warden->exec();
    EXPECT_FALSE(Warden->isVisible());
    ExpectChoosing(Warden);
    Warden->exec();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(Game.Stock[2], 6);
    EXPECT_EQ(Game.PocketsUsed, 6);
    EXPECT_EQ(Game.Health, 100);
}

TEST_F(WardenTest, LongestOutcomeFitsTheLabel)
{
    MakeWindows();
    Freeze(FindMillisecond(100, 50)); // Run without a tag: the fire hydrant
    ModalScript script;
    script.Expect(QStringLiteral("Warden"), [](QWidget *w) {
        ClickButton(w, QStringLiteral("Run"));
        auto *label = Control<QLabel>("Label2");
        const int needed = label->heightForWidth(label->width());
        EXPECT_LE(needed, label->height()) << label->text().toStdString();
        SaveGrab(w, QStringLiteral("warden_hydrant.png"));
        ClickButton(w, QStringLiteral("OK"));
    });
    Warden->exec();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(Game.Health, 80);
}
