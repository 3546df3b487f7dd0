// The game's sound on Qt Multimedia, built as a module of its own that the program loads
// only once its main window is on screen: linked into the program, Qt Multimedia and the
// sound-server libraries it pulls in (some thirty) would be loaded before the first frame.
#include "SoundModule.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

extern "C" {

Q_DECL_EXPORT int barkmoor_audio_outputs()
{
    return int(QMediaDevices::audioOutputs().size());
}

Q_DECL_EXPORT void *barkmoor_bark_new()
{
    // On a machine without a sound server it loads and stays silent.
    auto *bark = new QSoundEffect;
    bark->setSource(QUrl(QStringLiteral("qrc:/bark.wav")));
    return bark;
}

Q_DECL_EXPORT void barkmoor_bark_play(void *bark)
{
    static_cast<QSoundEffect *>(bark)->play();
}

Q_DECL_EXPORT void barkmoor_bark_delete(void *bark)
{
    delete static_cast<QSoundEffect *>(bark);
}

} // extern "C"
