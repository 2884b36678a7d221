#include "platform/web/DownloadModule.h"

#include <curl/curl.h>
#include <openssl/crypto.h>

#include <algorithm>

#include <strings.h>

namespace {

constexpr char kProtocols[] = "http,https"; // for the address asked for and every redirect
constexpr long kMaxRedirects = 5;
// Connecting, with every address of the host tried, takes at most this much of the whole time-out.
constexpr long kConnectTimeoutMs = 5'000;

struct Body {
    std::string* text;
    std::size_t maxBytes;
};

// libcurl's write callback: keeps the body, and ends the transfer as soon as it would pass the limit
// (an answer other than the size handed over fails it).
std::size_t Keep(char* data, std::size_t size, std::size_t count, void* user)
{
    auto* body = static_cast<Body*>(user);
    const std::size_t bytes = size * count;
    if (bytes > body->maxBytes - body->text->size()) {
        return 0;
    }
    body->text->append(data, bytes);
    return bytes;
}

bool IsWebAddress(const char* url)
{
    return strncasecmp(url, "http://", 7) == 0 || strncasecmp(url, "https://", 8) == 0;
}

HRESULT Failure(CURLcode code)
{
    switch (code) {
    case CURLE_URL_MALFORMAT:
        return E_INVALIDARG;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return INET_E_RESOURCE_NOT_FOUND;
    case CURLE_COULDNT_CONNECT:
        return INET_E_CANNOT_CONNECT;
    case CURLE_OPERATION_TIMEDOUT:
        return INET_E_CONNECTION_TIMEOUT;
    case CURLE_TOO_MANY_REDIRECTS:
        return INET_E_REDIRECT_FAILED;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CACERT_BADFILE:
        return INET_E_SECURITY_PROBLEM;
    default:
        return INET_E_DOWNLOAD_FAILURE;
    }
}

} // namespace

extern "C" bool VintoraPrepareDownloads()
{
    // A worker may still be inside a download while the program ends: OpenSSL keeps its state then,
    // rather than freeing it at exit under the worker's feet.
    OPENSSL_init_crypto(OPENSSL_INIT_NO_ATEXIT, nullptr);
    return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
}

extern "C" HRESULT VintoraDownload(const char* url, const DownloadLimits* limits, std::string* body)
{
    if (!IsWebAddress(url)) {
        return E_INVALIDARG;
    }
    CURL* curl = curl_easy_init();
    if (!curl) {
        return INET_E_DOWNLOAD_FAILURE;
    }
    Body sink{body, limits->maxBytes};
    const long timeoutMs = limits->timeoutMs;
    curl_easy_setopt(curl, CURLOPT_URL, url);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, kProtocols);
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, kProtocols);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, std::min(kConnectTimeoutMs, timeoutMs));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs);
    // A worker thread: no signals (libcurl would otherwise time name look-ups out with SIGALRM).
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Keep);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);
    if (code != CURLE_OK) {
        return Failure(code);
    }
    return status >= 200 && status < 300 ? S_OK : INET_E_DOWNLOAD_FAILURE;
}
