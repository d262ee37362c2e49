#include "tools/online.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>

#include "platform/win_handles.h"

namespace quenvar {
namespace {

struct HttpTarget {
    std::string host;
    INTERNET_PORT port = 0;
    std::string path;  // with the query, if any
    bool secure = false;
};

bool SplitAddress(const char* address, HttpTarget& target) {
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof(parts);
    // Non-zero lengths with no buffers: the parts are pointed to in address.
    parts.dwHostNameLength = 1;
    parts.dwUrlPathLength = 1;
    parts.dwExtraInfoLength = 1;
    if (!InternetCrackUrlA(address, 0, 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return false;
    if (parts.lpszHostName == nullptr || parts.dwHostNameLength == 0) return false;
    target.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    target.port = parts.nPort;
    if (parts.lpszUrlPath != nullptr) target.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo != nullptr) target.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (target.path.empty()) target.path.push_back('/');
    target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    return true;
}

}  // namespace

bool CheckInternetConnection(const char* probeAddress) {
    DWORD connection = 0;
    if (!InternetGetConnectedState(&connection, 0)) return false;
    UniqueInternetHandle internet(InternetOpenA("test", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!internet) return false;
    // Past the cache, so that an answer really comes from the server now.
    UniqueInternetHandle probe(InternetOpenUrlA(internet.Get(), probeAddress, nullptr, 0, INTERNET_FLAG_RELOAD, 0));
    return static_cast<bool>(probe);
}

std::string FetchPage(const char* address) {
    HttpTarget target;
    if (address == nullptr || *address == '\0' || !SplitAddress(address, target)) return {};
    UniqueInternetHandle internet(InternetOpenA("Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)",
                                                INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!internet) return {};
    UniqueInternetHandle connection(InternetConnectA(internet.Get(), target.host.c_str(), target.port, nullptr,
                                                     nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};
    const char* acceptTypes[] = {"*/*", nullptr};
    // Always from the server, never kept in the cache.
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
    if (target.secure) flags |= INTERNET_FLAG_SECURE;
    UniqueInternetHandle request(HttpOpenRequestA(connection.Get(), "GET", target.path.c_str(), "HTTP/1.0", nullptr,
                                                  acceptTypes, flags, 0));
    if (!request) return {};
    static constexpr char kAcceptHeader[] = "Accept: */*";
    if (!HttpSendRequestA(request.Get(), kAcceptHeader, sizeof(kAcceptHeader) - 1, nullptr, 0)) return {};

    // The status is not looked at: an error page is a page like any other.
    std::string body;
    char piece[64 * 1024];
    while (body.size() < kPageByteLimit) {
        const DWORD wanted = static_cast<DWORD>(std::min(sizeof(piece), kPageByteLimit - body.size()));
        DWORD read = 0;
        if (!InternetReadFile(request.Get(), piece, wanted, &read) || read == 0) break;
        body.append(piece, read);
    }
    return body;
}

}  // namespace quenvar
