#include "platform/web/HttpGet.h"

#include "platform/web/HttpAddress.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <memory>
#include <optional>
#include <utility>

namespace layer {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kMaxHeadBytes = 64 * 1024;

class Socket {
public:
    explicit Socket(int fd = -1) : m_fd(fd) {}
    Socket(Socket&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Socket& operator=(Socket&& other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Socket()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

class Deadline {
public:
    explicit Deadline(int ms) : m_end(Clock::now() + std::chrono::milliseconds(ms)) {}
    int RemainingMs() const
    {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(m_end - Clock::now()).count();
        return left > 0 ? static_cast<int>(left) : 0;
    }

private:
    Clock::time_point m_end;
};

enum class Wait { Ready, TimedOut, Failed };

Wait WaitFor(int fd, short events, const Deadline& deadline)
{
    for (;;) {
        const int left = deadline.RemainingMs();
        if (left == 0) {
            return Wait::TimedOut;
        }
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, left);
        if (n > 0) {
            return Wait::Ready;
        }
        if (n < 0 && errno != EINTR) {
            return Wait::Failed;
        }
    }
}

HRESULT Connect(const HttpAddress& to, const Deadline& deadline, Socket& connected)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(to.host.c_str(), std::to_string(to.port).c_str(), &hints, &found) != 0 || !found) {
        return INET_E_RESOURCE_NOT_FOUND;
    }
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> addresses(found, &::freeaddrinfo);
    for (const addrinfo* a = found; a; a = a->ai_next) {
        Socket s(::socket(a->ai_family, a->ai_socktype, a->ai_protocol));
        if (s.Fd() < 0 || ::fcntl(s.Fd(), F_SETFD, FD_CLOEXEC) != 0 ||
            ::fcntl(s.Fd(), F_SETFL, ::fcntl(s.Fd(), F_GETFL) | O_NONBLOCK) != 0) {
            continue;
        }
        if (::connect(s.Fd(), a->ai_addr, a->ai_addrlen) != 0) {
            if (errno != EINPROGRESS) {
                continue;
            }
            const Wait wait = WaitFor(s.Fd(), POLLOUT, deadline);
            if (wait == Wait::TimedOut) {
                return INET_E_CONNECTION_TIMEOUT;
            }
            int error = 0;
            socklen_t length = sizeof error;
            if (wait == Wait::Failed || ::getsockopt(s.Fd(), SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
                continue;
            }
        }
        connected = std::move(s);
        return S_OK;
    }
    return INET_E_CANNOT_CONNECT;
}

std::string Base64(std::string_view text)
{
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, text.size() - i);
        unsigned bits = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            bits = (bits << 8) | (k < n ? static_cast<unsigned char>(text[i + k]) : 0u);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            out += k <= n ? kDigits[(bits >> (18 - 6 * k)) & 63] : '=';
        }
    }
    return out;
}

// HTTP/1.0 with "Connection: close": the server sends a plain body and ends it by closing, or says its length.
std::string Request(const HttpAddress& target, const std::optional<HttpAddress>& proxy)
{
    std::string host = target.host.find(':') != std::string::npos ? "[" + target.host + "]" : target.host;
    if (target.port != 80) {
        host += ":" + std::to_string(target.port);
    }
    std::string request = "GET " + (proxy ? "http://" + host + target.target : target.target) + " HTTP/1.0\r\n";
    request += "Host: " + host + "\r\nAccept: */*\r\nConnection: close\r\n";
    if (proxy && !proxy->userInfo.empty()) {
        request += "Proxy-Authorization: Basic " + Base64(proxy->userInfo) + "\r\n";
    }
    return request + "\r\n";
}

HRESULT SendAll(int fd, std::string_view data, const Deadline& deadline)
{
    while (!data.empty()) {
        const ssize_t n = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (n > 0) {
            data.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            return INET_E_DOWNLOAD_FAILURE;
        }
        if (const Wait wait = WaitFor(fd, POLLOUT, deadline); wait != Wait::Ready) {
            return wait == Wait::TimedOut ? INET_E_CONNECTION_TIMEOUT : INET_E_DOWNLOAD_FAILURE;
        }
    }
    return S_OK;
}

bool StartsWithNoCase(std::string_view text, std::string_view head)
{
    if (text.size() < head.size()) {
        return false;
    }
    for (std::size_t i = 0; i < head.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != head[i]) {
            return false;
        }
    }
    return true;
}

struct ResponseHead {
    int status = 0;
    std::optional<std::size_t> contentLength;
};

// The status line and headers (without the blank line); nothing when they make no sense.
std::optional<ResponseHead> ParseHead(std::string_view head)
{
    ResponseHead parsed;
    const std::size_t lineEnd = head.find("\r\n");
    const std::string_view statusLine = head.substr(0, lineEnd);
    const std::size_t space = statusLine.find(' ');
    if (!statusLine.starts_with("HTTP/") || space == std::string_view::npos || statusLine.size() < space + 4) {
        return std::nullopt;
    }
    const char* code = statusLine.data() + space + 1;
    if (std::from_chars(code, code + 3, parsed.status).ptr != code + 3) {
        return std::nullopt;
    }
    std::string_view rest = lineEnd == std::string_view::npos ? std::string_view() : head.substr(lineEnd + 2);
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
        if (!StartsWithNoCase(line, "content-length:")) {
            continue;
        }
        line.remove_prefix(15);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        std::size_t length = 0;
        const auto [ptr, ec] = std::from_chars(line.data(), line.data() + line.size(), length);
        if (ec != std::errc() || (parsed.contentLength && *parsed.contentLength != length)) {
            return std::nullopt;
        }
        parsed.contentLength = length;
    }
    return parsed;
}

HRESULT ReadResponse(int fd, const Deadline& deadline, std::size_t maxBytes, std::string& body)
{
    std::string data;
    std::size_t bodyStart = std::string::npos;
    std::optional<std::size_t> contentLength;
    char buffer[16 * 1024];
    for (;;) {
        if (bodyStart == std::string::npos) {
            if (const std::size_t blank = data.find("\r\n\r\n"); blank != std::string::npos) {
                const std::optional<ResponseHead> head = ParseHead(std::string_view(data).substr(0, blank));
                if (!head || head->status < 200 || head->status > 299 ||
                    (head->contentLength && *head->contentLength > maxBytes)) {
                    return INET_E_DOWNLOAD_FAILURE;
                }
                bodyStart = blank + 4;
                contentLength = head->contentLength;
            } else if (data.size() > kMaxHeadBytes) {
                return INET_E_DOWNLOAD_FAILURE;
            }
        }
        if (bodyStart != std::string::npos) {
            const std::size_t received = data.size() - bodyStart;
            if (received > maxBytes) {
                return INET_E_DOWNLOAD_FAILURE;
            }
            if (contentLength && received >= *contentLength) {
                body = data.substr(bodyStart, *contentLength);
                return S_OK;
            }
        }
        if (const Wait wait = WaitFor(fd, POLLIN, deadline); wait != Wait::Ready) {
            return wait == Wait::TimedOut ? INET_E_CONNECTION_TIMEOUT : INET_E_DOWNLOAD_FAILURE;
        }
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) {
                continue;
            }
            return INET_E_DOWNLOAD_FAILURE; // reset
        }
        if (n == 0) {
            // Closed: the end of a body of unstated length; anything else was cut short.
            if (bodyStart == std::string::npos || contentLength) {
                return INET_E_DOWNLOAD_FAILURE;
            }
            body = data.substr(bodyStart);
            return S_OK;
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace

HRESULT HttpGet(const std::string& url, const DownloadLimits& limits, std::string& body)
{
    const std::optional<HttpAddress> target = ParseHttpAddress(url);
    if (!target || !StartsWithNoCase(url, "http://")) {
        return E_INVALIDARG;
    }
    const Deadline deadline(limits.timeoutMs);
    const std::optional<HttpAddress> proxy = EnvironmentProxyFor(target->host);
    Socket socket;
    if (const HRESULT hr = Connect(proxy ? *proxy : *target, deadline, socket); hr != S_OK) {
        return hr;
    }
    if (const HRESULT hr = SendAll(socket.Fd(), Request(*target, proxy), deadline); hr != S_OK) {
        return hr;
    }
    return ReadResponse(socket.Fd(), deadline, limits.maxBytes, body);
}

} // namespace layer
