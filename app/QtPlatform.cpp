// The desktop services on Qt: Qt Multimedia for the bark, the desktop URL handler for the web.
#include "Platform.h"

#include "HelpViewer.h"

#include <QAudioDevice>
#include <QDesktopServices>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

namespace barkmoor {
namespace {

class QtPlatform final : public Platform {
public:
    int AudioOutputCount() override { return int(QMediaDevices::audioOutputs().size()); }

    void PlayBark() override
    {
        // Loaded once; on a machine without a sound server it loads and stays silent.
        if (!bark) {
            bark = std::make_unique<QSoundEffect>();
            bark->setSource(QUrl(QStringLiteral("qrc:/bark.wav")));
        }
        bark->play();
    }

    void OpenHelp(const QString &helpFile) override { HelpViewer::Open(helpFile); }

    void OpenWebSite(const QString &address) override { QDesktopServices::openUrl(QUrl(address)); }

private:
    std::unique_ptr<QSoundEffect> bark;
};

Platform *installed = nullptr;

} // namespace

Platform &platform()
{
    if (!installed) {
        static QtPlatform qtPlatform;
        installed = &qtPlatform;
    }
    return *installed;
}

void SetPlatform(Platform *replacement)
{
    installed = replacement;
}

} // namespace barkmoor
