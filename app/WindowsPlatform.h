// The desktop services on Windows behind the windows' Platform interface: the system's own
// wave output, sound player and shell, and the game's help viewer.
#pragma once

#include "Platform.h"

namespace barkmoor {

class WindowsPlatform final : public Platform {
public:
    ~WindowsPlatform() override;
    int AudioOutputCount() override;
    void PlayBark() override;
    void OpenHelp(const QString &helpFile) override;
    void OpenWebSite(const QString &address) override;
};

} // namespace barkmoor
