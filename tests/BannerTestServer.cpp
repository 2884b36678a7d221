// The remote banner for the whole-program test: serves a page on 127.0.0.1 until it is stopped
// (SIGTERM), and prints the first line of each request. Usage: BannerTestServer serve DELAY_MS PORT_FILE
// (every answer after DELAY_MS) or BannerTestServer stall PORT_FILE (takes the request, never answers).
// The page is magenta with a green 485 x 90 box at (10, 15): the strip shows green only when the view
// sits where it should.

#include "LoopbackHttpServer.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include <pthread.h>

namespace {

const char* const kPage =
    "<!DOCTYPE html><html><body style=\"margin:0;background:#ff00ff\">"
    "<div style=\"position:absolute;left:10px;top:15px;width:485px;height:90px;background:#00a000\"></div>"
    "</body></html>";

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc >= 3 ? argv[1] : "";
    if (!((mode == "serve" && argc == 4) || (mode == "stall" && argc == 3))) {
        std::fprintf(stderr, "usage: BannerTestServer serve DELAY_MS PORT_FILE | stall PORT_FILE\n");
        return 2;
    }
    const int delayMs = mode == "serve" ? std::atoi(argv[2]) : 0;
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTERM);
    sigaddset(&stop, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr); // the server's thread inherits the mask

    LoopbackHttpServer server;
    const bool started = server.Start([&](int fd, const std::string& head) {
        std::printf("%s\n", head.substr(0, head.find("\r\n")).c_str());
        std::fflush(stdout);
        if (mode == "stall") {
            server.WaitForStop();
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        LoopbackHttpServer::Reply(fd, 200, kPage);
    });
    if (!started) {
        return 1;
    }
    std::ofstream(argv[argc - 1]) << server.Port() << '\n';
    int signal = 0;
    sigwait(&stop, &signal);
    return 0;
}
