// The two network operations of the version check, both through WinInet.
#pragma once

#include <cstddef>
#include <string>

namespace quenvar {

// A page body is read at most this far: the version record stands near the
// start of a real page, and an endless body must not exhaust the memory of a
// 32-bit process.
inline constexpr size_t kPageByteLimit = 8 * 1024 * 1024;

// True when the system reports a connection and the server at probeAddress
// answers at all, whatever the HTTP status.
bool CheckInternetConnection(const char* probeAddress);

// The body of the response to a GET of an http or https address, up to
// kPageByteLimit bytes, whatever the status; empty on any failure before the
// body is read.
std::string FetchPage(const char* address);

}  // namespace quenvar
