#include "bench_support.h"

#include <algorithm>

namespace bench {
namespace {

struct Search {
    DWORD processId;
    const char* windowClass;
    HWND found;
};

BOOL CALLBACK Find(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    if (owner == search->processId && std::string(className) == search->windowClass && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

double Now() {
    LARGE_INTEGER counter{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string WindowsPath(const char* unixPath) {
    std::string path = unixPath;
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

Launched Launch(const std::string& commandLine, const char* windowClass) {
    Launched launched;
    std::string line = commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const double start = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        return launched;
    }
    CloseHandle(info.hThread);
    launched.process = info.hProcess;
    launched.processId = info.dwProcessId;
    Search search{info.dwProcessId, windowClass, nullptr};
    while (search.found == nullptr && Now() - start < 30) {
        EnumWindows(Find, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) Sleep(1);
    }
    launched.window = search.found;
    launched.secondsUntilVisible = Now() - start;
    return launched;
}

void Kill(Launched& launched) {
    if (launched.process == nullptr) return;
    TerminateProcess(launched.process, 0);
    WaitForSingleObject(launched.process, 10000);
    CloseHandle(launched.process);
    launched.process = nullptr;
}

}  // namespace bench
