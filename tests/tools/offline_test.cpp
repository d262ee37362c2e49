// The version check on a machine that reports no Internet connection. Run by
// offline_test.sh inside a network namespace with only loopback, where the
// tests' web server still answers on 127.0.0.1.
#include <gtest/gtest.h>

#include <string>

#include "app/control_ids.h"
#include "app/main_window.h"
#include "tools/online.h"
#include "tools/version_check.h"
#include "ui/program_driver.h"
#include "ui/test_files.h"

namespace {

using quenvar::testing::ReadWholeFile;
using quenvar::testing::RunningProgram;
using quenvar::testing::WaitUntil;
using quenvar::testing::WindowsPath;
using quenvar::testing::WindowText;

constexpr char kNotConnected[] = "网络未连接，获取版本数据失败！";

std::string Server() {
    return "http://127.0.0.1:" + ReadWholeFile(WindowsPath(QUENVAR_TOOLS_OFFLINE_STATE "/port"));
}

// The system's answer alone decides: the probe, which would be answered, is
// not even asked.
TEST(Offline, NoConnectionReportedMeansNoRequestAtAll) {
    ASSERT_NE(quenvar::CreateMainWindow(GetModuleHandleA(nullptr)), nullptr);
    const std::string server = Server();
    // The server answers here, so a probe sent to it would be answered too.
    ASSERT_EQ(quenvar::FetchPage((server + "/page/200/6f6b/reachable").c_str()), "ok");
    const std::string page = server + "/page/200/" + "312e32" + "/offline-page";
    quenvar::RunVersionCheck((server + "/offline-probe").c_str(), page.c_str());
    EXPECT_EQ(WindowText(quenvar::Control(quenvar::kStatusLabel)), kNotConnected);
    const std::string log = quenvar::FetchPage((server + "/log").c_str());
    EXPECT_NE(log.find("/reachable"), std::string::npos) << log;
    EXPECT_EQ(log.find("offline-"), std::string::npos) << log;
}

// Pressing UpdateLink in the program: the check starts on the button going
// down, and with no connection it never reaches for the program's own sites.
TEST(Offline, PressingUpdateLinkInTheProgramReportsNoConnection) {
    RunningProgram program;
    HWND link = program.Control(quenvar::kUpdateLink);
    HWND status = program.Control(quenvar::kStatusLabel);
    ASSERT_NE(link, nullptr);
    PostMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(status) == kNotConnected; }, 10000)) << WindowText(status);
    PostMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

}  // namespace
