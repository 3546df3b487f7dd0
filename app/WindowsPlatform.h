// The desktop services on Windows behind the windows' Platform interface: the system's own
// wave output, sound player and shell, the game's help viewer, and the game windows' frames.
#pragma once

#include "Platform.h"

#include <QObject>

namespace barkmoor {

class WindowsPlatform final : public Platform {
public:
    // From here on every game window shown gets the frame Windows gives it (see the .cpp).
    WindowsPlatform();
    ~WindowsPlatform() override;
    int AudioOutputCount() override;
    void PlayBark() override;
    void OpenHelp(const QString &helpFile) override;
    void OpenWebSite(const QString &address) override;

private:
    QObject *frames;
};

} // namespace barkmoor
