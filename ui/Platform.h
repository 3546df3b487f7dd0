// Services of the desktop that the windows call: sound, help, the browser. The windows see
// only this interface; the application shell installs the real one.
#pragma once

#include <QString>

class QWidget;

namespace barkmoor {

class Platform {
public:
    virtual ~Platform() = default;
    virtual int AudioOutputCount() = 0;
    // Starts the bark and returns at once; whether it sounds is not looked at.
    virtual void PlayBark() = 0;
    // Opens the help file at its contents in the help viewer.
    virtual void OpenHelp(const QString &helpFile) = 0;
    // Opens an address in the user's browser; the result is not looked at.
    virtual void OpenWebSite(const QString &address) = 0;
    // Called once where a game window is set up: gives it the frame the desktop's own games
    // have, beyond what Qt's window flags can say. Nothing to do on most desktops.
    virtual void FrameGameWindow(QWidget &) { }
};

// The platform in use: whatever SetPlatform installed, or one that does nothing.
Platform &platform();
void SetPlatform(Platform *replacement);

} // namespace barkmoor
