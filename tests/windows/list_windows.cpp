// Lists the visible top-level windows of the Wine desktop it runs on, as Windows itself holds
// them, one line each, tab-separated: handle, owner, style, extended style, enabled, active,
// the window's rectangle, the client area's rectangle on the screen and the title (UTF-8).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

BOOL CALLBACK Print(HWND window, LPARAM)
{
    wchar_t title[256] = L"";
    if (!IsWindowVisible(window) || !GetWindowTextW(window, title, 256))
        return TRUE;
    RECT frame;
    RECT client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT *>(&client), 2);
    std::printf("%p\t%p\t%08lx\t%08lx\t%d\t%d\t%ld %ld %ld %ld\t%ld %ld %ld %ld\t%s\n", static_cast<void *>(window),
        static_cast<void *>(GetWindow(window, GW_OWNER)),
        static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_STYLE)),
        static_cast<unsigned long>(GetWindowLongPtrW(window, GWL_EXSTYLE)), IsWindowEnabled(window) ? 1 : 0,
        GetForegroundWindow() == window ? 1 : 0, frame.left, frame.top, frame.right, frame.bottom, client.left,
        client.top, client.right, client.bottom, Utf8(title).c_str());
    return TRUE;
}

} // namespace

int main()
{
    EnumWindows(Print, 0);
    return 0;
}
