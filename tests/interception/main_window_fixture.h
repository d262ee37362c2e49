// MainWindow created afresh in this process for each test, with a probe in
// place of its own procedure that counts what reaches the bottom of the chain.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace quenvar::testing {

// Answered by the probe alone, so its result shows the message came down the
// whole chain unchanged.
constexpr UINT kProbeMessage = WM_APP + 77;
constexpr LRESULT kProbeAnswer = 0x5EED;

struct ProbeCounts {
    int queryEndSession = 0;
    int null = 0;
    int powerBroadcast = 0;
    int probe = 0;
};

class MainWindowTest : public ::testing::Test {
public:
    static ProbeCounts& Counts();
    // A click as the button's own input would report it.
    static void Click(int controlId);

protected:
    void SetUp() override;
    void TearDown() override;

    static HWND Window();
    static std::string LogText();
};

// The lines of a log text, each with its CR LF.
std::string LastLine(const std::string& text);
int CountLines(const std::string& text);

}  // namespace quenvar::testing
