// The round trip of a refused WM_QUERYENDSESSION, sent from another process,
// with monitoring on and the log at 0, 1 MiB and 8 MiB, beside two baselines
// of the same run: a WM_NULL round trip to the same window, and the refusal
// of the least possible program (a bare window whose one visible edit box
// gets one fixed line per refusal) after the same number of refusals.
#include <cstdio>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "bench_support.h"

namespace {

constexpr int kRounds = 40;

double RoundTrip(HWND window, UINT message, LPARAM lParam) {
    DWORD_PTR answer = 0;
    const double start = bench::Now();
    SendMessageTimeoutA(window, message, 0, lParam, SMTO_NORMAL, 60000, &answer);
    return bench::Now() - start;
}

double MedianRoundTrip(HWND window, UINT message) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) times.push_back(RoundTrip(window, message, 0));
    return bench::Median(times);
}

// Lines of a realistic log, to the given size in bytes.
std::string LogOfSize(size_t bytes) {
    const std::string line = "2026年12月11日4时5分6秒已拦截到内部执行关机或重起，已阻止了该程序的执行！\r\n";
    std::string log;
    log.reserve(bytes + line.size());
    while (log.size() + line.size() <= bytes) log += line;
    return log;
}

// Wine cannot carry a message of several MiB across processes, so the log is
// filled in pieces, each appended at the end.
void FillLog(HWND edit, size_t bytes) {
    SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""), SMTO_NORMAL, 60000, nullptr);
    const std::string piece = LogOfSize(256 * 1024);
    for (size_t filled = 0; filled + piece.size() <= bytes + 1024; filled += piece.size()) {
        SendMessageTimeoutA(edit, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF, SMTO_NORMAL, 60000, nullptr);
        SendMessageTimeoutA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()), SMTO_NORMAL,
                            60000, nullptr);
    }
}

}  // namespace

int main() {
    bench::Launched quenvar =
        bench::Launch("\"" + bench::WindowsPath(QUENVAR_EXE) + "\"", quenvar::kMainWindowClass);
    bench::Launched least = bench::Launch("\"" + bench::WindowsPath(BARE_WINDOW_EXE) + "\" --refuser", "BareWindow");
    if (quenvar.window == nullptr || least.window == nullptr) {
        std::printf("could not start the programs\n");
        return 1;
    }
    HWND pageTabs = GetDlgItem(quenvar.window, quenvar::kPageTabs);
    SendMessageA(GetDlgItem(pageTabs, quenvar::kMonitorButton), BM_CLICK, 0, 0);
    HWND logBox = GetDlgItem(pageTabs, quenvar::kLogBox);

    std::printf("WM_QUERYENDSESSION round trip from another process, median of %d, under Wine\n", kRounds);
    const double nullTrip = MedianRoundTrip(quenvar.window, WM_NULL);
    std::printf("  baseline: WM_NULL to MainWindow            %8.3f ms\n", nullTrip * 1000);
    double empty = 0;
    for (size_t size : {size_t{0}, size_t{1} << 20, size_t{8} << 20}) {
        FillLog(logBox, size);
        FillLog(GetDlgItem(least.window, 1), size);
        const double refusal = MedianRoundTrip(quenvar.window, WM_QUERYENDSESSION);
        const double floor = MedianRoundTrip(least.window, WM_QUERYENDSESSION);
        if (size == 0) empty = refusal;
        std::printf("  log %5zu KiB: Quenvar %8.3f ms, least program %8.3f ms (x%.2f), x%.2f of the empty log\n",
                    size / 1024, refusal * 1000, floor * 1000, floor > 0 ? refusal / floor : 0.0,
                    empty > 0 ? refusal / empty : 0.0);
    }
    bench::Kill(quenvar);
    bench::Kill(least);
    return 0;
}
