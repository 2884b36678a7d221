#pragma once
// A small HTTP server on 127.0.0.1 for tests, on a thread of its own. Each connection is handed to the
// test's handler, one after another, with the request's head already read; the handler answers (or
// misbehaves) through the socket. Stopping (the destructor) ends a handler that waits in WaitForStop.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackHttpServer {
public:
    using Handler = std::function<void(int fd, const std::string& requestHead)>;

    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // Starts serving on `port`, or on a free port when it is 0; false when the port could not be had.
    bool Start(Handler handler, std::uint16_t port = 0);
    std::uint16_t Port() const { return m_port; }
    std::string Url(const std::string& path) const;
    // The first line of each request received so far ("GET /x HTTP/1.0").
    std::vector<std::string> RequestLines() const;
    // Blocks until the server stops (for handlers that keep a connection open without answering).
    void WaitForStop();
    // Blocks until `count` requests have come in, for at most timeoutMs; whether they did.
    bool WaitForRequests(std::size_t count, int timeoutMs);

    // Handler helpers: a whole answer; an answer whose body is cut short by a reset of the connection.
    static void Reply(int fd, int status, const std::string& body, const std::string& contentType = "text/html");
    static void ReplyAndReset(int fd, std::size_t statedLength, const std::string& partialBody);

private:
    void Serve();

    int m_listenFd = -1;
    std::uint16_t m_port = 0;
    Handler m_handler;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stopping = false;
    std::vector<std::string> m_requestLines;
};

// A port on 127.0.0.1 where nothing listens (taken and given back at once).
std::uint16_t ClosedLoopbackPort();
