// The desktop services on Qt: the sound module for the bark, the desktop URL handler for the web.
#include "QtPlatform.h"

#include "HelpViewer.h"
#include "SoundModule.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace barkmoor {

QtPlatform::QtPlatform(const QString &soundModuleFolder)
    : soundFolder(soundModuleFolder)
{
}

QtPlatform::~QtPlatform()
{
    if (bark)
        barkDelete(bark);
    // The module stays loaded: Qt Multimedia keeps objects of its own until the process ends.
}

bool QtPlatform::LoadSound()
{
    if (soundTried)
        return audioOutputs != nullptr;
    soundTried = true;
    // One folder only: a module planted anywhere else is never loaded in its place.
    sound.setFileName(QDir(soundFolder).absoluteFilePath(QLatin1String(SoundModuleName)));
    if (!sound.load())
        return false;
    const auto outputs = reinterpret_cast<AudioOutputsEntry>(sound.resolve(AudioOutputsName));
    barkNew = reinterpret_cast<BarkNewEntry>(sound.resolve(BarkNewName));
    barkPlay = reinterpret_cast<BarkPlayEntry>(sound.resolve(BarkPlayName));
    barkDelete = reinterpret_cast<BarkDeleteEntry>(sound.resolve(BarkDeleteName));
    if (!outputs || !barkNew || !barkPlay || !barkDelete)
        return false;
    audioOutputs = outputs;
    return true;
}

int QtPlatform::AudioOutputCount()
{
    return LoadSound() ? audioOutputs() : 0;
}

void QtPlatform::PlayBark()
{
    if (!LoadSound())
        return;
    if (!bark)
        bark = barkNew();
    barkPlay(bark);
}

bool QtPlatform::HasSound()
{
    return LoadSound();
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
