// Start-up: names the application and creates every window once, main window first.
#pragma once

class QApplication;

namespace barkmoor {

class Platform;

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
// windows, the event loop until the main window closes. Returns the loop's result.
int RunGame(QApplication &application);

} // namespace barkmoor
