// Support for window tests: a recording platform, fresh windows per test, and a script
// that answers real modal windows as they come up.
#pragma once

#include "GameCore.h"
#include "Platform.h"
#include "QtPrompts.h"
#include "Random.h"
#include "Startup.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <functional>

#include <gtest/gtest.h>

class QAction;
class QListWidget;
class QTimer;

namespace barkmoor::testing {

// Stands in for sound, help and browser, and remembers what was asked of it.
class RecordingPlatform final : public Platform {
public:
    int AudioOutputCount() override { return audioOutputs; }
    void PlayBark() override { ++barks; }
    void OpenHelp(const QString &helpFile) override { helpFiles << helpFile; }
    void OpenWebSite(const QString &address) override { addresses << address; }

    int audioOutputs = 1;
    int barks = 0;
    QStringList helpFiles;
    QStringList addresses;
};

// Answers modal windows in the order they are expected. Each step waits for a visible
// window with the given object name, then acts on it (usually closing it).
class ModalScript {
public:
    using Action = std::function<void(QWidget *)>;

    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript &) = delete;
    ModalScript &operator=(const ModalScript &) = delete;

    ModalScript &Expect(const QString &objectName, Action action);
    // Shortcuts for the prompts.
    ModalScript &Note(QStringList *texts = nullptr);
    ModalScript &Confirm(bool yes, QStringList *texts = nullptr);
    ModalScript &Ask(bool yes, QStringList *texts = nullptr);
    ModalScript &Query(const QString &typed, bool ok = true, QStringList *prompts = nullptr);

    bool Finished() const { return steps.empty(); }
    QStringList Seen() const { return seen; }

private:
    static constexpr int StepDeadlineMs = 10000;
    void Poll();
    void GiveUp();

    struct Step {
        QString name;
        Action action;
    };
    std::deque<Step> steps;
    QStringList seen;
    QTimer *timer;
    QElapsedTimer waiting;
    bool acting = false;
};

// Answers whichever of the game's windows comes up, by object name, for as long as it
// lives: for tests that play on without knowing the order of what happens.
class Responder {
public:
    using Action = std::function<void(QWidget *)>;

    Responder();
    ~Responder();
    Responder(const Responder &) = delete;
    Responder &operator=(const Responder &) = delete;

    Responder &On(const QString &objectName, Action action);
    // How often each window was answered.
    int Count(const QString &objectName) const { return counts.value(objectName); }

private:
    void Poll();

    QHash<QString, Action> actions;
    QHash<QString, int> counts;
    QTimer *timer;
    bool acting = false;
    // Windows whose action is running: a window opened over one of them is answered, but
    // the window itself not again until its action returns.
    QSet<QWidget *> busy;
};

// The visible top-level window with this object name, or nullptr.
QWidget *VisibleWindow(const QString &objectName);

// The text a message window shows, with its line breaks as shown.
QString MessageText(QWidget *box);
// Centred on the screen, give or take a pixel or two: the frame is placed, the client
// area measured.
bool CentredOnScreen(QWidget *window);
// The text of a named label, edit box or button in a window.
QString ControlText(QWidget *window, const char *name);
// The text of a label of the main window, and a command of its menu, by object name.
QString LabelText(const char *name);
QAction *MenuAction(const char *name);
// Clicks a row of a list the way the mouse does.
void ClickListRow(QListWidget *list, int row, Qt::KeyboardModifiers modifiers = {});
// Saves a picture of the widget when BARKMOOR_GRAB_DIR names a folder, for looking at.
void SaveGrab(QWidget *widget, const QString &file);
// Clicks the button with this text (access-key ampersands ignored) in a window.
void ClickButton(QWidget *window, const QString &text);
// A script step that clicks the button with this text in the window it is given.
ModalScript::Action ClickingButton(const QString &text);
// Clicks the button from the window's own event loop, once the caller has returned: for a
// button whose handler opens a modal window that a script must then answer.
void ClickLater(QWidget *window, const QString &text);
// Fails the test for every control of the window that is not shown whole: a label,
// button, edit box or list reaching past the window's client area, a caption wider (or
// a wrapped text taller) than its control in the control's own font, a picture bigger than
// its label. What the layout file cannot tell by itself: how its rectangles meet the font.
void ExpectNothingClipped(QWidget *window);
// Sends a key where the player's keystroke would go: the window's focused control, or
// the window itself when nothing in it has the focus.
void PressKey(QWidget *window, Qt::Key key);

// Fresh process-wide state, a frozen clock, the recording platform and the real prompts;
// the windows are made by each test (MakeWindows) so it can set the clock first.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void MakeWindows();
    // Makes the windows and puts the main window on the (offscreen) screen.
    void MakeAndShowWindows();
    void Freeze(std::uint32_t ms);

    class Frozen final : public Clock {
    public:
        std::uint32_t MillisecondsSinceMidnightUtc() const override { return now; }
        std::uint32_t now = 0;
    };

    Frozen clock;
    RecordingPlatform recorder;
    QtPrompter prompter;
};

} // namespace barkmoor::testing
