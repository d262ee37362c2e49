// The version check in this process against a web server of the tests on
// 127.0.0.1, with MainWindow's labels and the browser the check would start.
// The server is started by ctest (fixture tools_http_server); the browser is a
// script that notes down the addresses winebrowser gives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/main_window.h"
#include "tools/online.h"
#include "tools/registry_value.h"
#include "tools/version_check.h"
#include "ui/program_driver.h"
#include "ui/test_files.h"

namespace {

using quenvar::testing::Lines;
using quenvar::testing::ReadWholeFile;
using quenvar::testing::SavedRegistryValue;
using quenvar::testing::WaitUntil;
using quenvar::testing::WindowsPath;
using quenvar::testing::WindowText;

constexpr char kNotConnected[] = "网络未连接，获取版本数据失败！";
constexpr char kFailed[] = "获取数据失败，可能网站已关闭，请联系官方技术人员取详情信息！";
constexpr char kSame[] = "当前版本号为：1.1,未发现有新的版本，无需更新！";
constexpr char kNotNewer[] = "未发现有新的版本，无需更新！";
constexpr char kBefore[] = "(before the check)";
// Nothing listens there: a refused connection, at once.
constexpr char kDeadAddress[] = "http://127.0.0.1:1/";

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

std::string Page(std::string_view record) {
    return "<table><tr><td><a href=\"dl.htm\"><img src=\"v.gif\" alt=\"" + std::string(record) +
           "\"></a></td></tr></table>";
}

class VersionCheck : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_NE(quenvar::CreateMainWindow(GetModuleHandleA(nullptr)), nullptr);
        const std::string port = ReadWholeFile(WindowsPath(QUENVAR_TOOLS_HTTP_STATE "/port"));
        ASSERT_FALSE(port.empty()) << "the test web server is started by ctest (fixture tools_http_server)";
        server_ = "http://127.0.0.1:" + port;
        // winebrowser runs the first command of this list with the address
        // added as its last argument.
        browsers_ = std::make_unique<SavedRegistryValue>(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", "Browsers");
        const std::string browser = "\"" QUENVAR_RECORD_BROWSER "\" \"" QUENVAR_TOOLS_HTTP_STATE "/opened\"";
        ASSERT_TRUE(quenvar::testing::WriteRegistryValue(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser",
                                                         "Browsers", REG_SZ,
                                                         std::string(browser.c_str(), browser.size() + 1)));
    }
    static void TearDownTestSuite() { browsers_.reset(); }

    // Every request of a test carries its own tag, so the server's log tells
    // which requests a check made.
    static std::string Tag(const std::string& name) {
        return name + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64());
    }
    static std::string PageAddress(int status, std::string_view body, const std::string& tag) {
        return server_ + "/page/" + std::to_string(status) + "/" + Hex(body) + "/" + tag;
    }
    static std::string ProbeAddress(const std::string& tag) { return server_ + "/probe/" + tag; }
    static std::vector<std::string> ServerLog(const std::string& tag) {
        std::vector<std::string> found;
        for (const std::string& line : Lines(quenvar::FetchPage((server_ + "/log").c_str()))) {
            if (line.find(tag) != std::string::npos) found.push_back(line);
        }
        return found;
    }
    // The addresses given to the browser that carry tag.
    static std::vector<std::string> OpenedAddresses(const std::string& tag) {
        std::vector<std::string> found;
        for (const std::string& line : Lines(ReadWholeFile(WindowsPath(QUENVAR_TOOLS_HTTP_STATE "/opened")))) {
            if (line.find(tag) != std::string::npos) found.push_back(line);
        }
        return found;
    }

    static inline std::string server_;
    static inline std::unique_ptr<SavedRegistryValue> browsers_;
};

// The shell hands the browser the scheme in lower case.
std::string LowerScheme(std::string address) {
    const size_t end = address.find("://");
    for (size_t i = 0; i < end && i < address.size(); ++i) address[i] = static_cast<char>(tolower(address[i]));
    return address;
}

struct Row {
    const char* what;
    int pageStatus;
    std::string pageBody;
    std::string status;
    const char* latest;  // null: LatestVersionLabel keeps its text
    bool opened;         // the status text is given to the browser
};

// The download addresses are never fetched: the browser only notes them down.
TEST_F(VersionCheck, OutcomesOnTheStatusLineAndInTheBrowser) {
    const std::string run = Tag("outcomes");
    const auto download = [&](const char* name) { return "http://127.0.0.1:9/" + run + "/" + name; };
    const std::string zero("<html>\0", 7);
    const Row rows[] = {
        {"an empty record", 200, Page(""), kFailed, nullptr, false},
        {"1.1", 200, Page("1.1"), kSame, nullptr, false},
        {"an older version", 200, Page("1.0" + download("older")), kNotNewer, nullptr, false},
        {"letters first", 200, Page("abc1.2" + download("letters")), kNotNewer, nullptr, false},
        {"a newer version", 200, Page("1.2" + download("newer")), download("newer"), "目前最新版本：1.2", true},
        // The address then begins with the version's last byte and is no web address.
        {"10.0", 200, Page("10.0" + download("ten")), "0" + download("ten"), "目前最新版本：10.", false},
        {"01.1", 200, Page("01.1"), "1", "目前最新版本：01.", false},
        {"2.0 alone", 200, Page("2.0"), "", "目前最新版本：2.0", false},
        {"markers in capitals", 200,
         "<TABLE><TR><TD><A HREF=\"DL.HTM\"><IMG SRC=\"V.GIF\" ALT=\"1.3" + download("capitals") +
             "\"></A></TD></TR></TABLE>",
         download("capitals"), "目前最新版本：1.3", true},
        {"two records", 200, Page("1.4" + download("first")) + Page("1.5" + download("second")), download("first"),
         "目前最新版本：1.4", true},
        {"a zero byte before the markers", 200, zero + Page("1.2" + download("zero")), kFailed, nullptr, false},
        {"an error page with markers", 500, Page("1.6" + download("error-page")), download("error-page"),
         "目前最新版本：1.6", true},
        {"an error page without markers", 404, "<html><body>Not Found</body></html>", kFailed, nullptr, false},
        {"an address of another kind", 200, Page("1.7ftp://127.0.0.1:9/" + run + "/ftp"),
         "ftp://127.0.0.1:9/" + run + "/ftp", "目前最新版本：1.7", false},
        {"a local program", 200, Page("1.7C:\\windows\\system32\\winver.exe"),
         "C:\\windows\\system32\\winver.exe", "目前最新版本：1.7", false},
        {"a scheme in capitals", 200, Page("1.8HTTPS://127.0.0.1:9/" + run + "/capital-scheme"),
         "HTTPS://127.0.0.1:9/" + run + "/capital-scheme", "目前最新版本：1.8", true},
    };
    HWND status = quenvar::Control(quenvar::kStatusLabel);
    HWND latest = quenvar::Control(quenvar::kLatestVersionLabel);
    std::vector<std::string> expectedOpened;
    for (const Row& row : rows) {
        SetWindowTextA(status, kBefore);
        SetWindowTextA(latest, kBefore);
        const std::string tag = Tag("row");
        // Every probe gets a 404 page: an answer all the same, so connected.
        quenvar::RunVersionCheck(ProbeAddress(tag).c_str(), PageAddress(row.pageStatus, row.pageBody, tag).c_str());
        EXPECT_EQ(WindowText(status), row.status) << row.what;
        EXPECT_EQ(WindowText(latest), row.latest != nullptr ? row.latest : kBefore) << row.what;
        if (row.opened) expectedOpened.push_back(LowerScheme(row.status));
    }

    // The browser starts a moment after the check; wait for all, then a
    // little longer for any that should not have come.
    WaitUntil([&] { return OpenedAddresses(run).size() >= expectedOpened.size(); }, 15000);
    Sleep(1500);
    std::vector<std::string> opened = OpenedAddresses(run);
    std::sort(opened.begin(), opened.end());
    std::sort(expectedOpened.begin(), expectedOpened.end());
    EXPECT_EQ(opened, expectedOpened);
}

TEST_F(VersionCheck, WithoutAnAnswerFromTheProbeThePageIsNotRequested) {
    HWND status = quenvar::Control(quenvar::kStatusLabel);
    HWND latest = quenvar::Control(quenvar::kLatestVersionLabel);
    SetWindowTextA(latest, kBefore);
    const std::string tag = Tag("offline");
    quenvar::RunVersionCheck(kDeadAddress, PageAddress(200, Page("1.2http://127.0.0.1:9/dl/offline"), tag).c_str());
    EXPECT_EQ(WindowText(status), kNotConnected);
    EXPECT_EQ(WindowText(latest), kBefore);
    EXPECT_TRUE(ServerLog(tag).empty());
}

TEST_F(VersionCheck, AFailedDownloadSaysTheSiteMayBeClosed) {
    const std::string tag = Tag("no-page");
    quenvar::RunVersionCheck(ProbeAddress(tag).c_str(), kDeadAddress);
    EXPECT_EQ(WindowText(quenvar::Control(quenvar::kStatusLabel)), kFailed);
    EXPECT_EQ(ServerLog(tag).size(), 1u) << "the probe was answered";
}

// Both requests go to the server on every check, the cache never answers.
TEST_F(VersionCheck, RequestsAsTheServerSeesThem) {
    const std::string tag = Tag("requests");
    const std::string page = PageAddress(200, Page("1.0"), tag);
    for (int check = 0; check < 2; ++check) quenvar::RunVersionCheck(ProbeAddress(tag).c_str(), page.c_str());
    const std::vector<std::string> log = ServerLog(tag);
    const std::string probeLine = "GET\t/probe/" + tag + "\t";
    const std::string pageLine = "GET\t" + page.substr(server_.size()) +
                                 "\tHTTP/1.0\tMozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\t*/*";
    ASSERT_EQ(log.size(), 4u);
    for (int check = 0; check < 2; ++check) {
        EXPECT_EQ(log[2 * check].substr(0, probeLine.size()), probeLine);
        EXPECT_NE(log[2 * check].find("\ttest\t"), std::string::npos) << log[2 * check];
        EXPECT_EQ(log[2 * check + 1], pageLine);
    }
}

TEST_F(VersionCheck, AHugeBodyIsReadOnlyToItsFirst8MiB) {
    const std::string head = Page("1.9http://127.0.0.1:9/dl/huge");
    const std::string address = server_ + "/big/" + std::to_string(20 * 1024 * 1024) + "/" + Hex(head) + "/" + Tag("huge");
    const std::string body = quenvar::FetchPage(address.c_str());
    ASSERT_EQ(body.size(), 8u * 1024 * 1024);
    EXPECT_EQ(body.substr(0, head.size()), head);
    EXPECT_EQ(body.find_first_not_of('x', head.size()), std::string::npos);

    // And the check works on what was read.
    quenvar::RunVersionCheck(ProbeAddress(Tag("huge-probe")).c_str(), address.c_str());
    EXPECT_EQ(WindowText(quenvar::Control(quenvar::kLatestVersionLabel)), "目前最新版本：1.9");
}

TEST_F(VersionCheck, AddressesThatCannotBeFetchedGiveNothing) {
    for (const char* address : {"", "not an address", "ftp://127.0.0.1:9/file", kDeadAddress}) {
        EXPECT_EQ(quenvar::FetchPage(address), "") << address;
    }
}

}  // namespace
