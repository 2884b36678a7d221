// Starts a program and prints three times in milliseconds: from its exec to when its first top-level
// window is mapped on the X server ($DISPLAY), from its exec to when the first picture lands in that
// window (its first frame on the screen), and the processor time that the program had used by then
// (user and system, which a busy machine does not inflate as it does the other two); then ends the
// program. Usage: vintora_frame_timer PROGRAM [ARGS...]
// A mapped window is not yet a painted one: the program paints when the server tells it the window is
// exposed, so the time of the frame is the one that a person sees. The server's damage reports tell
// when something is drawn into the window; each top-level window is watched from its creation, so no
// drawing can come before the watch.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool HasDamageExtension(xcb_connection_t* connection)
{
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!extension || !extension->present) {
        return false;
    }
    // The server answers damage requests only after the client has told it which version it speaks.
    const std::unique_ptr<xcb_damage_query_version_reply_t, decltype(&std::free)> version(
        xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1), nullptr), &std::free);
    return version != nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vintora_frame_timer PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "vintora_frame_timer: no X server\n");
        return 1;
    }
    if (!HasDamageExtension(connection)) {
        std::fprintf(stderr, "vintora_frame_timer: the X server has no damage extension\n");
        return 1;
    }
    const uint8_t damageEvent = xcb_get_extension_data(connection, &xcb_damage_id)->first_event;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 1;
    xcb_window_t mainWindow = XCB_NONE;
    double mappedMs = 0;
    double paintedMs = 0;
    const pollfd events{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (bool painted = false; !painted;) {
        pollfd p = events;
        if (poll(&p, 1, 30'000) <= 0 || waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "vintora_frame_timer: the program showed no window\n");
            break;
        }
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Input-only windows cannot be watched; the server's refusal comes as an error and is ignored.
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection);
            } else if (type == XCB_MAP_NOTIFY && mainWindow == XCB_NONE) {
                mainWindow = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                mappedMs = MillisecondsSince(start);
            } else if (type == damageEvent + XCB_DAMAGE_NOTIFY && !painted && mainWindow != XCB_NONE &&
                       reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable == mainWindow) {
                paintedMs = MillisecondsSince(start);
                painted = true;
                status = 0;
            }
            std::free(event);
        }
    }
    // Stopped at once, so that its processor time ends with the frame.
    kill(child, SIGTERM);
    rusage usage{};
    wait4(child, nullptr, 0, &usage);
    if (status == 0) {
        const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
        std::printf("%.1f %.1f %.1f\n", mappedMs, paintedMs, ms(usage.ru_utime) + ms(usage.ru_stime));
    }
    xcb_disconnect(connection);
    return status;
}
