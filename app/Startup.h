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

// Creates the windows and shows the main window. The platform's sound work (the question
// of audio outputs, the first game's bark) is held until the main window's first frame is
// drawn, then done: the window does not wait for the sound layer. The platform must
// outlive the main window.
void StartGame(Platform &desktop);

// Destroys them again (tests start each case from a fresh set).
void DestroyWindows();

// The whole program once the application exists: the real prompts and platform, the
// windows, the event loop until the main window closes. Returns the loop's result.
int RunGame(QApplication &application);

} // namespace barkmoor
