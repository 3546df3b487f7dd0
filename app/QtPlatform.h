// The desktop services on Qt behind the windows' Platform interface.
#pragma once

#include "Platform.h"

#include <memory>

class QSoundEffect;

namespace barkmoor {

// Its bark lives as long as the object does, so the object must go before the application
// object does (a sound effect outliving it crashes at exit): make it a local of the code
// that runs the event loop.
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

} // namespace barkmoor
