// Services of the desktop that the game calls: sound, help, the browser.
#pragma once

#include <QString>

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
};

// The platform in use; a Qt-backed one unless SetPlatform installed another.
Platform &platform();
void SetPlatform(Platform *replacement);

} // namespace barkmoor
