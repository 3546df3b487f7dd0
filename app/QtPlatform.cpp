// The desktop services on Qt: Qt Multimedia for the bark, the desktop URL handler for the web.
#include "QtPlatform.h"

#include "HelpViewer.h"

#include <QAudioDevice>
#include <QDesktopServices>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace barkmoor {

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

int QtPlatform::AudioOutputCount()
{
    return int(QMediaDevices::audioOutputs().size());
}

void QtPlatform::PlayBark()
{
    // Loaded once; on a machine without a sound server it loads and stays silent.
    if (!bark) {
        bark = std::make_unique<QSoundEffect>();
        bark->setSource(QUrl(QStringLiteral("qrc:/bark.wav")));
    }
    bark->play();
}

void QtPlatform::OpenHelp(const QString &helpFile)
{
    HelpViewer::Open(helpFile);
}

void QtPlatform::OpenWebSite(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace barkmoor
