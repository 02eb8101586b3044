// Watches a window on the X display for a while and reports the intervals
// between its frames, as the display sees them: every burst of damage the
// window gets is one frame (the pieces of one repaint arrive within a few
// milliseconds). Gaps longer than the idle limit are pauses between
// animations, not frames, and are left out.
//
//   frametimes WINDOW SECONDS [IDLE_MS]
//   -> "frames=412 p50_ms=16.9 p95_ms=33.4 max_ms=61.0"
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <poll.h>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p / 100 * double(values.size())))];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: frametimes WINDOW SECONDS [IDLE_MS]\n");
        return 2;
    }
    const auto window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    const double seconds = std::atof(argv[2]);
    const double idleMs = argc > 3 ? std::atof(argv[3]) : 100;
    // Pieces of one repaint closer than this belong to the same frame.
    const double burstMs = 4;

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "frametimes: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "frametimes: the display has no DAMAGE extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const xcb_damage_damage_t id = xcb_generate_id(c);
    xcb_damage_create(c, id, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    xcb_flush(c);

    std::vector<double> intervals;
    const auto start = Clock::now();
    Clock::time_point lastFrame{};
    Clock::time_point lastPiece{};
    const int fd = xcb_get_file_descriptor(c);
    while (ms(Clock::now() - start) < seconds * 1000) {
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 20);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7f) == damage->first_event + XCB_DAMAGE_NOTIFY) {
                const auto now = Clock::now();
                if (lastPiece == Clock::time_point{} || ms(now - lastPiece) > burstMs) {
                    if (lastFrame != Clock::time_point{} && ms(now - lastFrame) <= idleMs)
                        intervals.push_back(ms(now - lastFrame));
                    lastFrame = now;
                }
                lastPiece = now;
                // Emptied, so that the next repaint is reported again.
                xcb_damage_subtract(c, id, XCB_NONE, XCB_NONE);
                xcb_flush(c);
            } else if (event->response_type == 0) {
                std::fprintf(stderr, "frametimes: X error (is the window still there?)\n");
                std::free(event);
                return 1;
            }
            std::free(event);
        }
        if (xcb_connection_has_error(c))
            return 1;
    }
    std::printf("frames=%zu p50_ms=%.1f p95_ms=%.1f max_ms=%.1f\n", intervals.size(),
                percentile(intervals, 50), percentile(intervals, 95),
                intervals.empty() ? 0.0 : *std::max_element(intervals.begin(), intervals.end()));
    xcb_disconnect(c);
    return 0;
}
