// The game's sound on Qt Multimedia, built as a module of its own that the program loads
// only once its main window is on screen: linked into the program, Qt Multimedia and the
// sound-server libraries it pulls in (some thirty) would be loaded before the first frame.
#include "SoundModule.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>

namespace {

// Without a sound server Qt Multimedia says so on the terminal at every start; the game
// shows it already by greying the Sound command. Its notes and warnings are dropped while
// the module works; anything graver still goes out.
QtMessageHandler outer = nullptr;

void DropNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)
        return;
    if (outer)
        outer(type, context, message);
    else
        std::fputs(qPrintable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
}

class Quietly {
public:
    Quietly() { outer = qInstallMessageHandler(DropNotes); }
    ~Quietly() { qInstallMessageHandler(outer); }
    Quietly(const Quietly &) = delete;
    Quietly &operator=(const Quietly &) = delete;
};

} // namespace

extern "C" {

Q_DECL_EXPORT int barkmoor_audio_outputs()
{
    const Quietly quietly;
    return int(QMediaDevices::audioOutputs().size());
}

Q_DECL_EXPORT void *barkmoor_bark_new()
{
    return new QSoundEffect;
}

Q_DECL_EXPORT void barkmoor_bark_play(void *bark)
{
    const Quietly quietly;
    // With no output the sample is not even loaded: once loaded, Qt would complain of the
    // missing device from its own loop, after this call has returned.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    auto *effect = static_cast<QSoundEffect *>(bark);
    if (effect->source().isEmpty())
        effect->setSource(QUrl(QStringLiteral("qrc:/bark.wav")));
    effect->play();
}

Q_DECL_EXPORT void barkmoor_bark_delete(void *bark)
{
    delete static_cast<QSoundEffect *>(bark);
}

} // extern "C"
