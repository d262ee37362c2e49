// Top-level windows of a process looked up through the system, as an
// automation tool would. Free of the test framework and header-only, so that
// the benchmarks find their windows the same way without linking test code.
#pragma once

#include <windows.h>

#include <string>

namespace quenvar::testing {

// WM_GETTEXT works across processes, unlike reading a custom control's data.
inline std::string WindowText(HWND window) {
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

namespace window_search_detail {

struct Search {
    DWORD processId;
    const char* className;
    const char* title;
    HWND found;
};

inline BOOL CALLBACK FindVisible(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    // The title last: reading it sends a message, which the cheap checks spare.
    if (owner == search->processId && std::string(className) == search->className && IsWindowVisible(window) &&
        (search->title == nullptr || WindowText(window) == search->title)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace window_search_detail

// A visible top-level window of the process with the class (and the title,
// unless null) as it is now; null when there is none.
inline HWND FindVisibleWindow(DWORD processId, const char* className, const char* title = nullptr) {
    window_search_detail::Search search{processId, className, title, nullptr};
    EnumWindows(window_search_detail::FindVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace quenvar::testing
