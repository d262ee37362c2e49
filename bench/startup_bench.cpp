// Time from launch until the main window is visible: Quenvar beside a bare
// Win32 window built by the same toolchain, alternated in one run.
#include <cstdio>
#include <vector>

#include "app/control_ids.h"
#include "bench_support.h"

int main() {
    constexpr int kRuns = 15;
    const std::string quenvar = "\"" + bench::WindowsPath(QUENVAR_EXE) + "\"";
    const std::string bare = "\"" + bench::WindowsPath(BARE_WINDOW_EXE) + "\"";
    // One launch of each first, so neither pays for the session's warm-up.
    for (const auto& [line, windowClass] : {std::pair{quenvar, quenvar::kMainWindowClass}, std::pair{bare, "BareWindow"}}) {
        bench::Launched warm = bench::Launch(line, windowClass);
        bench::Kill(warm);
    }
    std::vector<double> quenvarTimes;
    std::vector<double> bareTimes;
    for (int run = 0; run < kRuns; ++run) {
        bench::Launched q = bench::Launch(quenvar, quenvar::kMainWindowClass);
        quenvarTimes.push_back(q.secondsUntilVisible);
        bench::Kill(q);
        bench::Launched b = bench::Launch(bare, "BareWindow");
        bareTimes.push_back(b.secondsUntilVisible);
        bench::Kill(b);
    }
    const double quenvarMedian = bench::Median(quenvarTimes);
    const double bareMedian = bench::Median(bareTimes);
    std::printf("launch until the main window is visible, median of %d runs under Wine\n", kRuns);
    std::printf("  Quenvar.exe      %7.1f ms\n", quenvarMedian * 1000);
    std::printf("  bare Win32 window %6.1f ms (baseline)\n", bareMedian * 1000);
    std::printf("  ratio            %7.2f\n", bareMedian > 0 ? quenvarMedian / bareMedian : 0.0);
    return 0;
}
