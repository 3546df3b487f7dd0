// The desktop services on Windows behind the windows' Platform interface: the system's own
// wave output, sound player and shell, the game's help viewer, and the game windows' frames.
#pragma once

#include "Platform.h"

#include <memory>

namespace barkmoor {

class SystemMenuTaker;

class WindowsPlatform final : public Platform {
public:
    WindowsPlatform();
    ~WindowsPlatform() override;
    int AudioOutputCount() override;
    void PlayBark() override;
    void OpenHelp(const QString &helpFile) override;
    void OpenWebSite(const QString &address) override;
    void FrameGameWindow(QWidget &window) override;

private:
    std::unique_ptr<SystemMenuTaker> systemMenus;
};

} // namespace barkmoor
