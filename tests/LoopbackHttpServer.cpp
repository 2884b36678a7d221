#include "LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace {

// Listens on `port` of 127.0.0.1, or on a free one when it is 0; sets `port` to the one it got.
int ListenOnLoopback(std::uint16_t& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    const int reuse = 1; // a fixed port is taken again while the connections of a server before still linger
    socklen_t length = sizeof address;
    if (fd < 0 || ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse) != 0 ||
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

void SendAll(int fd, const std::string& data)
{
    std::size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return; // the client went away
        }
        sent += static_cast<std::size_t>(n);
    }
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer() = default;

LoopbackHttpServer::~LoopbackHttpServer()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
    }
}

bool LoopbackHttpServer::Start(Handler handler, std::uint16_t port)
{
    m_port = port;
    m_listenFd = ListenOnLoopback(m_port);
    if (m_listenFd < 0) {
        return false;
    }
    m_handler = std::move(handler);
    m_thread = std::thread([this] { Serve(); });
    return true;
}

std::string LoopbackHttpServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<std::string> LoopbackHttpServer::RequestLines() const
{
    const std::lock_guard lock(m_mutex);
    return m_requestLines;
}

void LoopbackHttpServer::WaitForStop()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_stopping; });
}

bool LoopbackHttpServer::WaitForRequests(std::size_t count, int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_requestLines.size() >= count; });
}

void LoopbackHttpServer::Serve()
{
    const auto stopping = [this] {
        const std::lock_guard lock(m_mutex);
        return m_stopping;
    };
    while (!stopping()) {
        pollfd p{m_listenFd, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) {
            continue;
        }
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        std::string head;
        char buffer[4096];
        while (head.find("\r\n\r\n") == std::string::npos && !stopping()) {
            pollfd c{fd, POLLIN, 0};
            if (::poll(&c, 1, 20) <= 0) {
                continue;
            }
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0) {
                break;
            }
            head.append(buffer, static_cast<std::size_t>(n));
        }
        {
            const std::lock_guard lock(m_mutex);
            m_requestLines.push_back(head.substr(0, head.find("\r\n")));
        }
        m_changed.notify_all();
        m_handler(fd, head);
        ::close(fd);
    }
}

void LoopbackHttpServer::Reply(int fd, int status, const std::string& body, const std::string& contentType)
{
    SendAll(fd, "HTTP/1.1 " + std::to_string(status) + " X\r\nContent-Type: " + contentType +
                    "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
}

void LoopbackHttpServer::ReplyAndReset(int fd, std::size_t statedLength, const std::string& partialBody)
{
    SendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(statedLength) + "\r\n\r\n" + partialBody);
    const linger reset{1, 0}; // closing now sends a reset instead of the orderly end
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
}

std::uint16_t ClosedLoopbackPort()
{
    std::uint16_t port = 0;
    const int fd = ListenOnLoopback(port);
    if (fd >= 0) {
        ::close(fd);
    }
    return port;
}
