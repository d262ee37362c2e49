#include "bench_support.h"

#include <algorithm>

#include "ui/window_search.h"

namespace bench {

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
    // Polled every millisecond rather than with the tests' WaitUntil: the
    // time until it is found is what is measured.
    HWND found = nullptr;
    while (found == nullptr && Now() - start < 30) {
        found = quenvar::testing::FindVisibleWindow(info.dwProcessId, windowClass);
        if (found == nullptr) Sleep(1);
    }
    launched.window = found;
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
