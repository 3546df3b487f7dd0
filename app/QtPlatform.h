// The desktop services on Qt behind the windows' Platform interface.
#pragma once

#include "Platform.h"

#include <QLibrary>

namespace barkmoor {

// Sound comes from the sound module (Qt Multimedia), loaded from the one folder given on
// the first sound request; without the module the game is silent and reports no audio
// output. The bark lives as
// long as this object does, so the object must go before the application object does (a
// sound effect outliving it crashes at exit): make it a local of the code that runs the
// event loop.
class QtPlatform final : public Platform {
public:
    explicit QtPlatform(const QString &soundModuleFolder);
    ~QtPlatform() override;
    int AudioOutputCount() override;
    void PlayBark() override;
    void OpenHelp(const QString &helpFile) override;
    void OpenWebSite(const QString &address) override;
    // Whether the sound module could be loaded (without it the game stays silent).
    bool HasSound();

private:
    bool LoadSound();

    const QString soundFolder;
    QLibrary sound;
    bool soundTried = false;
    int (*audioOutputs)() = nullptr;
    void *(*barkNew)() = nullptr;
    void (*barkPlay)(void *) = nullptr;
    void (*barkDelete)(void *) = nullptr;
    void *bark = nullptr;
};

} // namespace barkmoor
