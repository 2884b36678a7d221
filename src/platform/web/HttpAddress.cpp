#include "platform/web/HttpAddress.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>

namespace layer {
namespace {

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool EndsWithNoCase(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && EqualNoCase(text.substr(text.size() - tail.size()), tail);
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) {
        s.remove_prefix(1);
    }
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) {
        s.remove_suffix(1);
    }
    return s;
}

bool IsLoopback(std::string_view host)
{
    return EqualNoCase(host, "localhost") || EndsWithNoCase(host, ".localhost") || host.starts_with("127.") ||
           host == "::1";
}

bool ListedInNoProxy(std::string_view host, std::string_view noProxy)
{
    while (!noProxy.empty()) {
        const std::size_t comma = noProxy.find(',');
        std::string_view entry = Trim(noProxy.substr(0, comma));
        noProxy = comma == std::string_view::npos ? std::string_view() : noProxy.substr(comma + 1);
        if (entry == "*") {
            return true;
        }
        if (entry.starts_with('.')) {
            entry.remove_prefix(1);
        }
        if (!entry.empty() &&
            (EqualNoCase(host, entry) || (EndsWithNoCase(host, entry) && host[host.size() - entry.size() - 1] == '.'))) {
            return true;
        }
    }
    return false;
}

std::string_view Environment(const char* lower, const char* upper)
{
    const char* value = std::getenv(lower);
    if (!value || !*value) {
        value = std::getenv(upper);
    }
    return value ? value : "";
}

} // namespace

std::optional<HttpAddress> ParseHttpAddress(std::string_view url)
{
    url = Trim(url);
    if (const std::size_t scheme = url.find("://"); scheme != std::string_view::npos) {
        if (!EqualNoCase(url.substr(0, scheme), "http")) {
            return std::nullopt;
        }
        url.remove_prefix(scheme + 3);
    }
    HttpAddress address;
    const std::size_t pathStart = url.find_first_of("/?#");
    std::string_view authority = url.substr(0, pathStart);
    std::string_view rest = pathStart == std::string_view::npos ? std::string_view() : url.substr(pathStart);
    rest = rest.substr(0, rest.find('#')); // the fragment stays with the browser
    address.target = rest.empty() || rest.front() != '/' ? "/" + std::string(rest) : std::string(rest);

    if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        address.userInfo = authority.substr(0, at);
        authority.remove_prefix(at + 1);
    }
    std::string_view port;
    if (authority.starts_with('[')) { // [IPv6 literal]
        const std::size_t close = authority.find(']');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        address.host = authority.substr(1, close - 1);
        authority.remove_prefix(close + 1);
        if (!authority.empty() && authority.front() != ':') {
            return std::nullopt;
        }
        port = authority.empty() ? std::string_view() : authority.substr(1);
    } else {
        const std::size_t colon = authority.find(':');
        address.host = authority.substr(0, colon);
        port = colon == std::string_view::npos ? std::string_view() : authority.substr(colon + 1);
    }
    if (address.host.empty()) {
        return std::nullopt;
    }
    if (!port.empty()) {
        unsigned value = 0;
        const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
        if (ec != std::errc() || end != port.data() + port.size() || value == 0 || value > 65535) {
            return std::nullopt;
        }
        address.port = static_cast<std::uint16_t>(value);
    }
    return address;
}

std::optional<HttpAddress> ProxyFor(std::string_view host, std::string_view httpProxy, std::string_view noProxy)
{
    if (Trim(httpProxy).empty() || IsLoopback(host) || ListedInNoProxy(host, noProxy)) {
        return std::nullopt;
    }
    return ParseHttpAddress(httpProxy);
}

std::optional<HttpAddress> EnvironmentProxyFor(std::string_view host)
{
    return ProxyFor(host, Environment("http_proxy", "HTTP_PROXY"), Environment("no_proxy", "NO_PROXY"));
}

} // namespace layer
