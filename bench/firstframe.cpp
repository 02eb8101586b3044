// Starts a program on the X display and reports when its first window is
// mapped and when that window is first painted (its first damage), in
// milliseconds from the exec. The program is left running; its process id
// is printed with the times:
//
//   firstframe [--timeout S] PROGRAM [ARGS...]
//   -> "pid=1234 mapped_ms=85.2 painted_ms=97.0"
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    int first = 1;
    double timeout = 60;
    if (argc > 2 && std::strcmp(argv[1], "--timeout") == 0) {
        timeout = std::atof(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: firstframe [--timeout S] PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "firstframe: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "firstframe: the display has no DAMAGE extension\n");
        return 2;
    }
    xcb_damage_query_version_reply_t* version =
        xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr);
    std::free(version);
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program's own output is not ours: whoever reads ours waits for its end.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execvp(argv[first], argv + first);
        std::perror("firstframe: exec");
        _exit(127);
    }
    double mapped = -1;
    double painted = -1;
    const int fd = xcb_get_file_descriptor(c);
    while (painted < 0 && since(start) < timeout * 1000) {
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 50);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && mapped < 0) {
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect) {
                    mapped = since(start);
                    const xcb_damage_damage_t id = xcb_generate_id(c);
                    xcb_damage_create(c, id, map->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(c);
                }
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && mapped >= 0 && painted < 0) {
                painted = since(start);
            }
            std::free(event);
        }
    }
    std::printf("pid=%d mapped_ms=%.1f painted_ms=%.1f\n", int(pid), mapped, painted);
    xcb_disconnect(c);
    return painted < 0 ? 1 : 0;
}
