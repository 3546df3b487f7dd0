// Starts a program and reports, from outside it, how long it took from the start of the
// process until its first top-level window was mapped on the X display, its resident memory
// once the window is up, and optionally what it costs while it sits idle. The program is then
// ended. Plain xcb, so that the watcher itself costs the measured program nothing.
//
//   bench_map_watch [--settle-ms N] [--idle-s N] [--verbose] program [args...]
//
// Prints one line of key=value figures; exits 1 when no window appeared within 20 seconds.
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

long StatusField(pid_t pid, const char *task, const std::string &field)
{
    std::string path = "/proc/" + std::to_string(pid) + (task ? "/task/" + std::string(task) : "") + "/status";
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (line.compare(0, field.size() + 1, field + ":") == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return -1;
}

// User and system time of the whole process, in milliseconds.
double CpuMs(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Fields after the command name, which may itself hold blanks, start past the last ')'.
    std::istringstream rest(text.substr(text.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14)
            utime = std::stoull(field);
        if (i == 15)
            stime = std::stoull(field);
    }
    return double(utime + stime) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// Context switches over every thread of the process, and the number of threads.
std::pair<long, int> ContextSwitches(pid_t pid)
{
    long total = 0;
    int threads = 0;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *d = opendir(dir.c_str())) {
        while (dirent *entry = readdir(d)) {
            if (entry->d_name[0] == '.')
                continue;
            ++threads;
            total += StatusField(pid, entry->d_name, "voluntary_ctxt_switches");
            total += StatusField(pid, entry->d_name, "nonvoluntary_ctxt_switches");
        }
        closedir(d);
    }
    return { total, threads };
}

// Time on the CPU of every thread of the process, in milliseconds, to the nanosecond: on a
// busy machine it says more about the program's own work than the clock on the wall does.
double ScheduledMs(pid_t pid)
{
    double total = 0;
    const std::string dir = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *d = opendir(dir.c_str())) {
        while (dirent *entry = readdir(d)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream in(dir + "/" + entry->d_name + "/schedstat");
            unsigned long long ns = 0;
            if (in >> ns)
                total += double(ns) / 1e6;
        }
        closedir(d);
    }
    return total;
}

xcb_atom_t Atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

pid_t ParentPid(pid_t pid)
{
    return pid_t(StatusField(pid, nullptr, "PPid"));
}

long WindowPid(xcb_connection_t *c, xcb_window_t window, xcb_atom_t pidAtom)
{
    xcb_get_property_reply_t *reply
        = xcb_get_property_reply(c, xcb_get_property(c, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = *static_cast<uint32_t *>(xcb_get_property_value(reply));
    std::free(reply);
    return pid;
}

} // namespace

int main(int argc, char *argv[])
{
    int settleMs = 1000;
    int idleS = 0;
    bool verbose = false;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        const std::string option = argv[first];
        if (option == "--settle-ms" && first + 1 < argc)
            settleMs = std::atoi(argv[++first]);
        else if (option == "--idle-s" && first + 1 < argc)
            idleS = std::atoi(argv[++first]);
        else if (option == "--verbose")
            verbose = true;
        else
            break;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--settle-ms N] [--idle-s N] [--verbose] program [args...]\n", argv[0]);
        return 2;
    }

    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot open the display in DISPLAY\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t pidAtom = Atom(c, "_NET_WM_PID");
    xcb_flush(c);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!verbose) {
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        execv(argv[first], argv + first);
        _exit(127);
    }

    // Wine starts a Windows program as a child of the process started here: its window and its
    // figures are that child's.
    pid_t shown = -1;
    double mapMs = -1;
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    pollfd fd { xcb_get_file_descriptor(c), POLLIN, 0 };
    while (mapMs < 0 && Clock::now() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            const Clock::time_point now = Clock::now();
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                const long owner = map->override_redirect ? -1 : WindowPid(c, map->window, pidAtom);
                if (owner > 0 && (owner == pid || ParentPid(pid_t(owner)) == pid) && mapMs < 0) {
                    mapMs = std::chrono::duration<double, std::milli>(now - start).count();
                    shown = pid_t(owner);
                }
            }
            std::free(event);
        }
        if (mapMs >= 0 || waitpid(pid, nullptr, WNOHANG) == pid)
            break;
        poll(&fd, 1, 50);
    }
    if (mapMs < 0) {
        std::fprintf(stderr, "no window of process %d was mapped\n", int(pid));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }

    const double cpuAtMap = ScheduledMs(shown);
    const long rssAtMap = StatusField(shown, nullptr, "VmRSS");
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = StatusField(shown, nullptr, "VmRSS");
    std::printf("map_ms=%.2f cpu_ms_at_map=%.2f rss_kib_at_map=%ld rss_kib=%ld", mapMs, cpuAtMap, rssAtMap, rss);
    if (idleS > 0) {
        const double cpuBefore = CpuMs(shown);
        const auto [switchesBefore, threadsBefore] = ContextSwitches(shown);
        std::this_thread::sleep_for(std::chrono::seconds(idleS));
        const double cpuAfter = CpuMs(shown);
        const auto [switchesAfter, threads] = ContextSwitches(shown);
        std::printf(" idle_s=%d idle_cpu_ms=%.0f idle_context_switches=%ld threads=%d", idleS, cpuAfter - cpuBefore,
            switchesAfter - switchesBefore, threads);
        (void)threadsBefore;
    }
    std::printf("\n");
    if (shown != pid)
        kill(shown, SIGTERM);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    return 0;
}
