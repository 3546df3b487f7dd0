// Start-up: names the application and creates every window once, main window first.
#pragma once

class QApplication;
class QString;

namespace barkmoor {

class Platform;
class Taboutbox;
class TGameOverBox;
class TSavingBankBox;
class TSnorfleMain;
class TTopDogBox;
class Ttravel;
class TWarden;

// The seven windows, one reference each, set as each window is made and cleared only by
// DestroyWindows. The dialogs stay null until the main window's first frame, or until a
// handler of the main window first needs one.
extern TSnorfleMain *SnorfleMain;
extern Ttravel *travel;
extern TTopDogBox *TopDogBox;
extern TSavingBankBox *SavingBankBox;
extern TGameOverBox *GameOverBox;
extern TWarden *Warden;
extern Taboutbox *aboutbox;

// Title and icon of the application; call once the QApplication exists.
void SetUpApplication(QApplication &application);

// Creates the windows in their fixed order; each creation handler runs right after its
// window's reference is set.
void CreateWindows();

// Creates the main window and shows it. Once its first frame is drawn, and before any other
// event is handled, the six dialogs follow in their order, and then the platform's sound
// work held until now is done (the question of audio outputs, the first game's bark). So
// the window waits neither for the dialogs nor for the sound layer. The platform must
// outlive the main window.
void StartGame(Platform &desktop);

// Destroys them again (tests start each case from a fresh set).
void DestroyWindows();

// The whole program once the application exists: the real prompts and platform, the
// windows, the event loop until the main window closes. Returns the loop's result. The
// sound module is looked for in the program's own folder; a test or benchmark that runs
// from another folder names the one the build put it in.
int RunGame(QApplication &application);
int RunGame(QApplication &application, const QString &soundModuleFolder);

} // namespace barkmoor
