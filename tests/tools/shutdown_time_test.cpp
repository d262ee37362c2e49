// ShutdownTimeButton in the running program: the real Script Control reads
// the real registry value of the test prefix.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/control_ids.h"
#include "tools/registry_value.h"
#include "ui/program_driver.h"

namespace {

using quenvar::testing::RunningProgram;
using quenvar::testing::SavedRegistryValue;
using quenvar::testing::WindowText;

constexpr char kWindowsKey[] = "SYSTEM\\CurrentControlSet\\Control\\Windows";
constexpr char kPrefix[] = "\r\n你的系统上次关闭时间为:";

std::string LittleEndian(uint64_t count) {
    std::string bytes;
    for (int i = 0; i < 8; ++i) bytes += static_cast<char>((count >> (8 * i)) & 0xFF);
    return bytes;
}

uint64_t MomentCount(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME moment{year, month, 0, day, hour, minute, second, 0};
    FILETIME count{};
    EXPECT_TRUE(SystemTimeToFileTime(&moment, &count));
    return (static_cast<uint64_t>(count.dwHighDateTime) << 32) | count.dwLowDateTime;
}

// The moment as the user's short date and long time of the prefix's locale.
std::string LocalText(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME moment{year, month, 0, day, hour, minute, second, 0};
    char date[80] = {};
    char time[80] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &moment, nullptr, date, sizeof(date));
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &moment, nullptr, time, sizeof(time));
    return std::string(date) + " " + time;
}

struct StoredValue {
    const char* what;
    DWORD type;  // REG_NONE: no value at all
    std::string data;
    std::string expectedAfterPrefix;
};

TEST(ShutdownTime, AppendsTheStoredMomentEightHoursLaterOrThePrefixAlone) {
    SavedRegistryValue saved(HKEY_LOCAL_MACHINE, kWindowsKey, "ShutdownTime");
    const uint64_t recent = MomentCount(2024, 5, 17, 3, 4, 5);
    const StoredValue cases[] = {
        {"eight zero bytes", REG_BINARY, std::string(8, '\0'), LocalText(1601, 1, 1, 8, 0, 0)},
        {"a recent moment", REG_BINARY, LittleEndian(recent), LocalText(2024, 5, 17, 11, 4, 5)},
        {"ten bytes", REG_BINARY, LittleEndian(recent) + "\xFF\x7F", LocalText(2024, 5, 17, 11, 4, 5)},
        {"four bytes", REG_BINARY, LittleEndian(recent).substr(0, 4), ""},
        {"a text value", REG_SZ, std::string("2024-05-17", 11), ""},
        {"no value", REG_NONE, "", ""},
    };
    RunningProgram program;
    HWND logBox = program.Control(quenvar::kLogBox);
    HWND button = program.Control(quenvar::kShutdownTimeButton);
    ASSERT_NE(logBox, nullptr);
    ASSERT_NE(button, nullptr);
    for (const StoredValue& value : cases) {
        if (value.type == REG_NONE) {
            quenvar::testing::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kWindowsKey, "ShutdownTime");
        } else {
            ASSERT_TRUE(quenvar::testing::WriteRegistryValue(HKEY_LOCAL_MACHINE, kWindowsKey, "ShutdownTime",
                                                             value.type, value.data));
        }
        SendMessageA(logBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        SendMessageA(button, BM_CLICK, 0, 0);
        // Exactly the line: a line break first, and none at the end, so the
        // next log line goes on after the date.
        EXPECT_EQ(WindowText(logBox), kPrefix + value.expectedAfterPrefix) << value.what;
    }
}

bool RunningUnderWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

TEST(ShutdownTime, AMomentAfterTheYear9999LeavesThePrefixAlone) {
    // Windows' VBScript raises an overflow for such a date. Wine's DateAdd
    // instead turns a date it cannot convert into 30 November 1999, so the
    // script returns that date and this cannot be observed here.
    if (RunningUnderWine()) GTEST_SKIP() << "Wine's VBScript DateAdd does not raise the overflow";
    SavedRegistryValue saved(HKEY_LOCAL_MACHINE, kWindowsKey, "ShutdownTime");
    ASSERT_TRUE(quenvar::testing::WriteRegistryValue(HKEY_LOCAL_MACHINE, kWindowsKey, "ShutdownTime", REG_BINARY,
                                                     LittleEndian(UINT64_MAX)));
    RunningProgram program;
    SendMessageA(program.Control(quenvar::kShutdownTimeButton), BM_CLICK, 0, 0);
    EXPECT_EQ(WindowText(program.Control(quenvar::kLogBox)), kPrefix);
}

TEST(ShutdownTime, EveryClickAppendsItsOwnLine) {
    SavedRegistryValue saved(HKEY_LOCAL_MACHINE, kWindowsKey, "ShutdownTime");
    ASSERT_TRUE(quenvar::testing::WriteRegistryValue(HKEY_LOCAL_MACHINE, kWindowsKey, "ShutdownTime", REG_BINARY,
                                                     std::string(8, '\0')));
    RunningProgram program;
    HWND logBox = program.Control(quenvar::kLogBox);
    SendMessageA(logBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("earlier line"));
    for (int click = 0; click < 2; ++click) {
        SendMessageA(program.Control(quenvar::kShutdownTimeButton), BM_CLICK, 0, 0);
    }
    const std::string line = kPrefix + LocalText(1601, 1, 1, 8, 0, 0);
    EXPECT_EQ(WindowText(logBox), "earlier line" + line + line);
}

}  // namespace
