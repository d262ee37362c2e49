// What a version record means for version 1.1, and which addresses are opened.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tools/version_decision.h"

namespace {

constexpr char kFailed[] = "获取数据失败，可能网站已关闭，请联系官方技术人员取详情信息！";
constexpr char kSame[] = "当前版本号为：1.1,未发现有新的版本，无需更新！";
constexpr char kNotNewer[] = "未发现有新的版本，无需更新！";

std::string Page(std::string_view record) {
    return "<table><tr><td><a href=\"x\"><img src=\"v.gif\" alt=\"" + std::string(record) +
           "\"></a></td></tr></table>";
}

TEST(JudgeUpdatePage, OutcomeForEachKindOfRecord) {
    const struct {
        std::string page;
        std::string status;
        const char* latest;  // null: LatestVersionLabel is left alone
    } cases[] = {
        {"<html>no record</html>", kFailed, nullptr},
        {Page(""), kFailed, nullptr},
        {Page("1.1"), kSame, nullptr},
        {Page("1.10"), kSame, nullptr},
        {Page("1.1http://example.test/dl"), kSame, nullptr},
        {Page("1.0http://example.test/dl"), kNotNewer, nullptr},
        {Page("1.0999998"), kNotNewer, nullptr},
        {Page("abc"), kNotNewer, nullptr},
        {Page("1.2http://example.test/dl"), "http://example.test/dl", "目前最新版本：1.2"},
        {Page("10.0http://example.test/dl"), "0http://example.test/dl", "目前最新版本：10."},
        // Reads as 1.1 but does not begin with the bytes 1.1.
        {Page("01.1"), "1", "目前最新版本：01."},
        {Page(" 1.1"), "1", "目前最新版本： 1."},
        // Within 0.0000001 below 1.1 still counts as newer.
        {Page("1.09999995"), "9999995", "目前最新版本：1.0"},
        {Page("2.0"), "", "目前最新版本：2.0"},
        {Page("2"), "", "目前最新版本：2"},
    };
    for (const auto& c : cases) {
        const quenvar::VersionVerdict verdict = quenvar::JudgeUpdatePage(c.page);
        EXPECT_EQ(verdict.status, c.status) << c.page;
        EXPECT_EQ(verdict.newer, c.latest != nullptr) << c.page;
        if (c.latest != nullptr) {
            EXPECT_EQ(verdict.latestVersion.value_or("(unchanged)"), c.latest) << c.page;
        } else {
            EXPECT_FALSE(verdict.latestVersion.has_value()) << c.page;
        }
    }
}

TEST(IsWebAddress, OnlyHttpAndHttpsWhateverTheirCase) {
    const struct {
        std::string_view address;
        bool web;
    } cases[] = {
        {"http://example.test/dl", true},
        {"HTTP://example.test/dl", true},
        {"hTtPs://example.test/dl", true},
        {"https://", true},
        {"", false},
        {"ftp://example.test/dl", false},
        {"file:///C:/Windows/notepad.exe", false},
        {"C:\\Windows\\notepad.exe", false},
        {" http://example.test/dl", false},
        {"http:/example.test", false},
        {"httpx://example.test", false},
        {"0http://example.test/dl", false},
    };
    for (const auto& c : cases) EXPECT_EQ(quenvar::IsWebAddress(c.address), c.web) << c.address;
}

}  // namespace
