// Appending to LogBox and saving it to Config.ini.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/control_ids.h"
#include "app/main_window.h"
#include "interception/log.h"
#include "interception/main_window_fixture.h"
#include "platform/program_location.h"
#include "platform/win_handles.h"

namespace {

namespace fs = std::filesystem;
using quenvar::testing::MainWindowTest;

HWND LogBox() { return quenvar::Control(quenvar::kLogBox); }

TEST_F(MainWindowTest, AppendLandsAtTheEndWhereverTheCaretIs) {
    const struct {
        const char* typed;
        DWORD caret;
        const char* appended;
        const char* result;
    } cases[] = {
        {"abc\r\ndef\r\n", 2, "X\r\n", "abc\r\ndef\r\nX\r\n"},
        // Text typed without a final line break: the next line continues it.
        {"typed by hand", 0, "X\r\n", "typed by handX\r\n"},
        {"", 0, "\r\n你好", "\r\n你好"},
    };
    for (const auto& c : cases) {
        SetWindowTextA(LogBox(), c.typed);
        SendMessageA(LogBox(), EM_SETSEL, c.caret, c.caret);
        quenvar::AppendToLog(c.appended);
        EXPECT_EQ(LogText(), c.result);
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(LogBox(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        // Selection positions count characters, not bytes.
        EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(LogBox()))) << "the caret ends after the new text";
    }
}

TEST_F(MainWindowTest, ClearEmptiesTheLog) {
    SetWindowTextA(LogBox(), "something\r\n");
    Click(quenvar::kClearLogButton);
    EXPECT_EQ(LogText(), "");
}

class SaveLogTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        directory_ = fs::path(temp) / ("quenvar-save-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
        quenvar::InitProgramLocation((directory_ / "Quenvar.exe").string().c_str());
    }
    void TearDown() override {
        // The program directory became the current directory, which cannot be removed.
        quenvar::InitProgramLocation();
        SetFileAttributesA(ConfigIni().string().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(directory_);
        MainWindowTest::TearDown();
    }

    fs::path ConfigIni() const { return directory_ / "Config.ini"; }
    void WriteConfigIni(const std::string& bytes) const {
        std::ofstream(ConfigIni(), std::ios::binary) << bytes;
    }
    std::string ReadConfigIni() const {
        std::ifstream file(ConfigIni(), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    int FilesInDirectory() const {
        return static_cast<int>(std::distance(fs::directory_iterator(directory_), fs::directory_iterator()));
    }

    fs::path directory_;
};

TEST_F(SaveLogTest, WritesExactlyTheLogBytes) {
    const std::string log = "2012年11月3日14时7分9秒已拦截到有程序执行注销，已阻止了该程序的执行！\r\n"
                            "\r\n你的系统上次关闭时间为:";
    WriteConfigIni("an older, longer log from an earlier run\r\n\r\n\r\n\r\n");
    SetWindowTextA(LogBox(), log.c_str());
    quenvar::SaveLog();
    EXPECT_EQ(ReadConfigIni(), log);
    EXPECT_EQ(FilesInDirectory(), 1) << "no temporary file left behind";
}

TEST_F(SaveLogTest, EmptyLogWritesNothing) {
    quenvar::SaveLog();
    EXPECT_FALSE(fs::exists(ConfigIni()));

    WriteConfigIni("older");
    SetWindowTextA(LogBox(), "to be cleared\r\n");
    Click(quenvar::kClearLogButton);
    quenvar::SaveLog();
    EXPECT_EQ(ReadConfigIni(), "older");
}

TEST_F(SaveLogTest, AConfigIniThatCannotBeReplacedStaysIntact) {
    WriteConfigIni("older");
    {
        // Open elsewhere without delete sharing (an editor holding it, say):
        // it cannot be replaced now.
        quenvar::UniqueKernelHandle holder(CreateFileA(ConfigIni().string().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder);
        SetWindowTextA(LogBox(), "new\r\n");
        quenvar::SaveLog();
    }
    EXPECT_EQ(ReadConfigIni(), "older");
    EXPECT_EQ(FilesInDirectory(), 1) << "the temporary file is removed";
}

}  // namespace
