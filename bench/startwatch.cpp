// Starts a program and watches the X server for its first top-level window to be mapped.
// Prints how long that took from the moment of starting it, the program's resident memory
// once the window has had time to paint, and optionally the context switches of all its
// threads over an idle period, then ends the program.
//
// Usage: bench_startwatch [--idle SECONDS] PROGRAM [ARGS...]
// Output: one line of key=value pairs.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

long statusField(const std::string& path, const char* field)
{
    std::ifstream in(path);
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(in, line))
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::atol(line.c_str() + length + 1);
    return -1;
}

// Voluntary and involuntary context switches, summed over every thread of the process.
long contextSwitches(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    long total = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string status = tasks + "/" + entry->d_name + "/status";
        total += statusField(status, "voluntary_ctxt_switches") +
                 statusField(status, "nonvoluntary_ctxt_switches");
    }
    closedir(dir);
    return total;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

long windowPid(xcb_connection_t* c, xcb_window_t window, xcb_atom_t netWmPid)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = long(*static_cast<std::uint32_t*>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

} // namespace

int main(int argc, char* argv[])
{
    int idleSeconds = 0;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--idle") == 0) {
        idleSeconds = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--idle SECONDS] PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmPid = atom(c, "_NET_WM_PID");
    xcb_flush(c);

    const Clock::time_point started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[first], argv + first);
        std::perror("execv");
        _exit(127);
    }

    double mappedMs = -1;
    const Clock::time_point deadline = started + std::chrono::seconds(30);
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (mappedMs < 0 && Clock::now() < deadline) {
        xcb_generic_event_t* event = xcb_poll_for_event(c);
        if (!event) {
            poll(&fd, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect && windowPid(c, map->window, netWmPid) == pid)
                mappedMs =
                    std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        }
        std::free(event);
    }
    if (mappedMs < 0) {
        std::fprintf(stderr, "no window of %s was mapped within 30 s\n", argv[first]);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }

    // Time to paint and settle before the memory is read.
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    const std::string status = "/proc/" + std::to_string(pid) + "/status";
    const long rss = statusField(status, "VmRSS");
    std::printf("mapped_ms=%.1f rss_kib=%ld", mappedMs, rss);
    if (idleSeconds > 0) {
        const long before = contextSwitches(pid);
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        const long after = contextSwitches(pid);
        std::printf(" idle_seconds=%d idle_switches=%ld threads=%ld", idleSeconds, after - before,
                    statusField(status, "Threads"));
    }
    std::printf("\n");

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    return 0;
}
