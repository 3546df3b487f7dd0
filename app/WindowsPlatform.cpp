// The desktop services on Windows: waveOutGetNumDevs, PlaySound and ShellExecute.
#include "WindowsPlatform.h"

#include "HelpViewer.h"

#include <QResource>

#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

namespace barkmoor {

WindowsPlatform::~WindowsPlatform()
{
    // An asynchronous sound reads its wave from our memory: stop it before that goes.
    PlaySoundW(nullptr, nullptr, 0);
}

int WindowsPlatform::AudioOutputCount()
{
    return int(waveOutGetNumDevs());
}

void WindowsPlatform::PlayBark()
{
    // The embedded wave is stored uncompressed, so its bytes stay in place for the whole run
    // and the player may read them after this returns.
    static const QResource wave(QStringLiteral(":/bark.wav"));
    if (!wave.isValid() || wave.compressionAlgorithm() != QResource::NoCompression)
        return;
    PlaySoundW(reinterpret_cast<LPCWSTR>(wave.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

void WindowsPlatform::OpenHelp(const QString &helpFile)
{
    HelpViewer::Open(helpFile);
}

void WindowsPlatform::OpenWebSite(const QString &address)
{
    ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(address.utf16()), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace barkmoor
