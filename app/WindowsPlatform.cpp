// The desktop services on Windows: waveOutGetNumDevs, PlaySound from the program's own WAVE
// resource, ShellExecute over the main window, and the game windows' frames.
#include "WindowsPlatform.h"

#include "HelpViewer.h"
#include "Startup.h"
#include "Unit1.h"

#include <QEvent>
#include <QWidget>

#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

namespace barkmoor {

// Qt gives a game window a system menu, because it shows a minimise box. Windows draws the
// game's windows without one, hence with no caption buttons at all; the minimise box stays in
// the style so that the taskbar can still minimise them. Without the system menu the frame
// keeps its size, so the client area keeps its place. Done at every show: Qt sends the show
// event after making the native window and before putting it on the screen.
class SystemMenuTaker final : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            TakeOffSystemMenu(reinterpret_cast<HWND>(static_cast<QWidget *>(watched)->winId()));
        return false;
    }

private:
    static void TakeOffSystemMenu(HWND handle)
    {
        const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
        if (!(style & WS_SYSMENU))
            return;
        SetWindowLongPtrW(handle, GWL_STYLE, style & ~WS_SYSMENU);
        SetWindowPos(
            handle, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

WindowsPlatform::WindowsPlatform()
    : systemMenus(std::make_unique<SystemMenuTaker>())
{
}

WindowsPlatform::~WindowsPlatform() = default;

void WindowsPlatform::FrameGameWindow(QWidget &window)
{
    window.installEventFilter(systemMenus.get());
}

int WindowsPlatform::AudioOutputCount()
{
    return int(waveOutGetNumDevs());
}

void WindowsPlatform::PlayBark()
{
    // SNORFLEBARK in barkmoor.rc; the player reads it from the program's image while it plays.
    PlaySoundW(L"SnorfleBark", GetModuleHandleW(nullptr), SND_RESOURCE | SND_ASYNC);
}

void WindowsPlatform::OpenHelp(const QString &helpFile)
{
    HelpViewer::Open(helpFile);
}

void WindowsPlatform::OpenWebSite(const QString &address)
{
    const HWND owner = SnorfleMain ? reinterpret_cast<HWND>(SnorfleMain->winId()) : nullptr;
    ShellExecuteW(owner, L"open", reinterpret_cast<LPCWSTR>(address.utf16()), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace barkmoor
