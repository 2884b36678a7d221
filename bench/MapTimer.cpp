// Starts a program and prints the milliseconds from its exec to the first window it maps on the X
// server ($DISPLAY), then ends it. Usage: vintora_map_timer PROGRAM [ARGS...]
// Watching the root window's substructure sees the map request's result as the server performs it.

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vintora_map_timer PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "vintora_map_timer: no X server\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 1;
    const pollfd events{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (bool mapped = false; !mapped;) {
        pollfd p = events;
        if (poll(&p, 1, 30'000) <= 0 || waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "vintora_map_timer: the program mapped no window\n");
            break;
        }
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !mapped) {
                const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
                std::printf("%.1f\n", elapsed.count());
                mapped = true;
                status = 0;
            }
            std::free(event);
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return status;
}
