// The desktop services on Windows: waveOutGetNumDevs, PlaySound from the program's own WAVE
// resource, ShellExecute over the main window, and the game windows' frames.
#include "WindowsPlatform.h"

#include "HelpViewer.h"
#include "Startup.h"
#include "Unit1.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <windows.h>

#include <mmsystem.h>
#include <shellapi.h>

namespace barkmoor {
namespace {

// A game window asks Qt for a title bar with a minimise button only (no close button). Qt adds
// the system-menu hint itself to such a window, so that hint tells nothing.
bool IsGameWindow(const QWidget &window)
{
    const Qt::WindowFlags flags = window.windowFlags();
    return window.isWindow() && (flags & Qt::WindowMinimizeButtonHint) && !(flags & Qt::WindowCloseButtonHint);
}

// A prompt: a dialog with a close button.
bool IsPrompt(const QWidget &window)
{
    return window.isWindow() && window.windowType() == Qt::Dialog && (window.windowFlags() & Qt::WindowCloseButtonHint);
}

// Qt gives a game window a system menu, because it shows a minimise box, and a resizing frame,
// because it lacks the fixed-size dialog hint. Windows draws the game's windows without a
// system menu, hence with no caption buttons at all, in a fixed single border. The minimise
// box stays, so that the taskbar can still minimise them. A prompt keeps its system menu and
// close box, in a border that does not resize either. The client area keeps its place and
// size; Qt reads the new frame from the WM_NCCALCSIZE that SWP_FRAMECHANGED brings.
void GiveFixedFrame(QWidget &window, LONG_PTR takenOff)
{
    const HWND handle = reinterpret_cast<HWND>(window.winId());
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
    const LONG_PTR fixed = style & ~takenOff;
    if (fixed == style)
        return;
    RECT frame;
    GetClientRect(handle, &frame);
    MapWindowPoints(handle, nullptr, reinterpret_cast<POINT *>(&frame), 2);
    SetWindowLongPtrW(handle, GWL_STYLE, fixed);
    AdjustWindowRectExForDpi(&frame, DWORD(fixed), GetMenu(handle) != nullptr,
        DWORD(GetWindowLongPtrW(handle, GWL_EXSTYLE)), GetDpiForWindow(handle));
    SetWindowPos(handle, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
        SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Watches every window about to be shown: Qt sends the show event after making the native
// window and before putting it on the screen.
class FixedFrames final : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto &window = static_cast<QWidget &>(*watched);
            if (IsGameWindow(window))
                GiveFixedFrame(window, WS_SYSMENU | WS_THICKFRAME);
            else if (IsPrompt(window))
                GiveFixedFrame(window, WS_THICKFRAME);
        }
        return false;
    }
};

} // namespace

WindowsPlatform::WindowsPlatform()
    : frames(new FixedFrames)
{
    qApp->installEventFilter(frames);
}

WindowsPlatform::~WindowsPlatform()
{
    delete frames;
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
