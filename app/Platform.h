// Services of the desktop that the game calls: sound, help, the browser.
#pragma once

#include <QString>

#include <memory>

class QSoundEffect;

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

// The desktop's own services on Qt. Its bark lives as long as the object does, so the
// object must go before the application object does (a sound effect outliving it crashes
// at exit): make it a local of the code that runs the event loop.
class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    int AudioOutputCount() override;
    void PlayBark() override;
    void OpenHelp(const QString &helpFile) override;
    void OpenWebSite(const QString &address) override;

private:
    std::unique_ptr<QSoundEffect> bark;
};

// The platform in use: whatever SetPlatform installed, or one that does nothing.
Platform &platform();
void SetPlatform(Platform *replacement);

} // namespace barkmoor
