// The remote banner for the whole-program tests: serves on 127.0.0.1:PORT until it is stopped (SIGTERM),
// prints "listening" once it takes connections, then the first line of each request. Usage:
// BannerTestServer serve DELAY_MS PORT (every answer after DELAY_MS) or BannerTestServer stall PORT
// (takes the request, never answers).
// The banner page is magenta with a green 485 x 90 box at (10, 15): the strip shows green only when the
// view sits where it should. The box's left third is an ordinary link to a page of the same shape in
// blue (/next.html), its right third a link that asks for a new window (/advert.html); its middle is no
// link.

#include "LoopbackHttpServer.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include <pthread.h>

namespace {

std::string Page(const char* colour, const char* links)
{
    return std::string("<!DOCTYPE html><html><head><style>a{position:absolute;top:0;width:160px;height:90px;"
                       "outline:none}</style></head><body style=\"margin:0;background:#ff00ff\">"
                       "<div style=\"position:absolute;left:10px;top:15px;width:485px;height:90px;background:") +
           colour + "\">" + links + "</div></body></html>";
}

// The middle stands between the links, so that Tab after a click there goes to the right one.
const std::string kBanner =
    Page("#00a000", "<a href=\"/next.html\" style=\"left:0\"></a>"
                    "<div style=\"position:absolute;left:160px;width:165px;height:90px\"></div>"
                    "<a href=\"/advert.html\" target=\"_blank\" style=\"right:0\"></a>");
const std::string kNext = Page("#0000c0", "");

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc >= 3 ? argv[1] : "";
    if (!((mode == "serve" && argc == 4) || (mode == "stall" && argc == 3))) {
        std::fprintf(stderr, "usage: BannerTestServer serve DELAY_MS PORT | stall PORT\n");
        return 2;
    }
    const int delayMs = mode == "serve" ? std::atoi(argv[2]) : 0;
    const int port = std::atoi(argv[argc - 1]);
    if (port <= 0 || port > 65535) {
        std::fprintf(stderr, "BannerTestServer: no port: %s\n", argv[argc - 1]);
        return 2;
    }
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTERM);
    sigaddset(&stop, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr); // the server's thread inherits the mask

    LoopbackHttpServer server;
    const bool started = server.Start(
        [&](int fd, const std::string& head) {
            std::printf("%s\n", head.substr(0, head.find("\r\n")).c_str());
            std::fflush(stdout);
            if (mode == "stall") {
                server.WaitForStop();
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            LoopbackHttpServer::Reply(fd, 200, head.starts_with("GET /next.html ") ? kNext : kBanner);
        },
        static_cast<std::uint16_t>(port));
    if (!started) {
        std::fprintf(stderr, "BannerTestServer: cannot listen on 127.0.0.1:%s\n", argv[argc - 1]);
        return 1;
    }
    std::printf("listening\n");
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stop, &signal);
    return 0;
}
