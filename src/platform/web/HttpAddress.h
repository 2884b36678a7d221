#pragma once
// The parts of an http:// address, and which proxy (if any) a download to it goes through.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace layer {

struct HttpAddress {
    std::string host;        // without the brackets of an IPv6 literal
    std::uint16_t port = 80;
    std::string target;      // path and query, "/" at least
    std::string userInfo;    // "user:password" before the host (proxies only)
};

// "http://host[:port][/path][?query]"; the scheme may be left out (as proxy settings often do).
// Nothing for another scheme, an empty host or a bad port.
std::optional<HttpAddress> ParseHttpAddress(std::string_view url);

// The proxy for a download from `host`, given the values of http_proxy and no_proxy: none when
// http_proxy is empty or unreadable, when host is a loopback name or address, or when no_proxy is
// "*" or lists host or one of its parent domains (comma separated, a leading dot optional).
std::optional<HttpAddress> ProxyFor(std::string_view host, std::string_view httpProxy, std::string_view noProxy);

// ProxyFor with the environment's http_proxy / HTTP_PROXY and no_proxy / NO_PROXY.
std::optional<HttpAddress> EnvironmentProxyFor(std::string_view host);

} // namespace layer
