// The choice between Wayland and XWayland, made before the application object exists.
#include "WindowSystem.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#ifdef BARKMOOR_WAYLAND_CLIENT
#include <wayland-client.h>
#endif

namespace barkmoor {

bool CompositorDrawsFrames([[maybe_unused]] const char *display)
{
#ifdef BARKMOOR_WAYLAND_CLIENT
    wl_display *connection = wl_display_connect(display);
    if (!connection)
        return false;
    bool offered = false;
    static const wl_registry_listener listener = {
        [](void *data, wl_registry *, std::uint32_t, const char *interface, std::uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool *>(data) = true;
        },
        [](void *, wl_registry *, std::uint32_t) {},
    };
    wl_registry *registry = wl_display_get_registry(connection);
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip(connection);
    wl_registry_destroy(registry);
    wl_display_disconnect(connection);
    return offered;
#else
    return false;
#endif
}

namespace {

bool Set(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// Qt takes Wayland in a Wayland session unless told otherwise.
bool WaylandSession()
{
    const char *session = std::getenv("XDG_SESSION_TYPE");
    return !Set("QT_QPA_PLATFORM") && session && std::strcmp(session, "wayland") == 0;
}

} // namespace

std::vector<std::string> ArgumentsForDesktop(int argc, char **argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
    for (const std::string &argument : arguments)
        if (argument == "-platform" || argument == "--platform")
            return arguments;
    if (WaylandSession() && Set("DISPLAY") && !CompositorDrawsFrames(nullptr)) {
        arguments.emplace_back("-platform");
        arguments.emplace_back("xcb");
    }
    return arguments;
}

} // namespace barkmoor
