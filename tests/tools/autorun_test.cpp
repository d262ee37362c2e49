// AutorunOption in the running program, on the prefix's real Run key and
// Startup folder; its information boxes are read and answered as a user would.
#include <gtest/gtest.h>

#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/control_ids.h"
#include "platform/win_handles.h"
#include "tools/autorun.h"
#include "tools/registry_value.h"
#include "ui/message_box_answerer.h"
#include "ui/program_driver.h"
#include "ui/test_files.h"

namespace {

using quenvar::testing::AnsweredBox;
using quenvar::testing::AnswerMessageBox;
using quenvar::testing::FileExists;
using quenvar::testing::ReadRegistryValue;
using quenvar::testing::RunningProgram;
using quenvar::testing::SavedRegistryValue;
using quenvar::testing::WindowsPath;

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kName[] = "Quenvar.exe";
constexpr char kTitle[] = "信息：";
constexpr char kRegistered[] = "设置开机启动设置成功，如想取消启动，再来点击本选择框即可";
constexpr char kNotRegistered[] = "设置开机启动失败，可能是杀毒软件拦截导致，请选择允许";
constexpr char kUnregistered[] = "取消开机启动程序成功，恭喜你";
constexpr char kNotUnregistered[] = "取消开机启动程序失败，原因可能是你还未设置启动项，或者其他原因";

std::string StartupShortcut(const std::string& name) {
    char folder[MAX_PATH] = {};
    EXPECT_TRUE(SHGetSpecialFolderPathA(nullptr, folder, CSIDL_STARTUP, TRUE));
    return std::string(folder) + "\\" + name + ".lnk";
}

void MakeFile(const std::string& path) {
    quenvar::UniqueKernelHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << path;
}

std::optional<std::string> RunValue(const char* name = kName) {
    auto value = ReadRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, name);
    if (!value) return std::nullopt;
    EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
    return std::string(value->data.c_str());
}

bool Checked(HWND option) { return SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Clicks the option as a user would and answers the box that follows. The
// click is posted: the handler does not return before the box is closed.
AnsweredBox ClickAndAnswer(const RunningProgram& program) {
    PostMessageA(program.Control(quenvar::kAutorunOption), BM_CLICK, 0, 0);
    // Any title: the box's title is checked here rather than searched for.
    const AnsweredBox seen = AnswerMessageBox(program.ProcessId(), nullptr, IDOK, 10000);
    if (!seen.found) {
        ADD_FAILURE() << "no message box";
        return {};
    }
    EXPECT_EQ(seen.title, kTitle);
    EXPECT_TRUE(seen.okOnly);
    return seen;
}

// Puts the option in a state without running its handler, as a restart with
// an earlier entry would leave things.
void SetCheckedQuietly(const RunningProgram& program, bool checked) {
    SendMessageA(program.Control(quenvar::kAutorunOption), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

class Autorun : public testing::Test {
protected:
    void SetUp() override {
        quenvar::testing::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, kName);
        DeleteFileA(StartupShortcut(kName).c_str());
    }
    void TearDown() override { DeleteFileA(StartupShortcut(kName).c_str()); }

    SavedRegistryValue saved_{HKEY_LOCAL_MACHINE, kRunKey, kName};
};

TEST_F(Autorun, CheckingWritesTheEntryAndUncheckingRemovesIt) {
    RunningProgram program;
    HWND option = program.Control(quenvar::kAutorunOption);
    ASSERT_FALSE(Checked(option));

    EXPECT_EQ(ClickAndAnswer(program).text, kRegistered);
    EXPECT_TRUE(Checked(option));
    EXPECT_EQ(RunValue(), WindowsPath(QUENVAR_EXE));

    EXPECT_EQ(ClickAndAnswer(program).text, kUnregistered);
    EXPECT_FALSE(Checked(option));
    EXPECT_EQ(RunValue(), std::nullopt);
}

TEST_F(Autorun, CheckingOverwritesAnEarlierEntry) {
    ASSERT_TRUE(quenvar::testing::WriteRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, kName, REG_SZ,
                                                     std::string("C:\\old\\Quenvar.exe", 19)));
    RunningProgram program;
    EXPECT_EQ(ClickAndAnswer(program).text, kRegistered);
    EXPECT_EQ(RunValue(), WindowsPath(QUENVAR_EXE));
}

TEST_F(Autorun, UncheckingRemovesWhatIsThereOrSaysNothingWas) {
    const struct {
        const char* what;
        bool runValue;
        bool shortcut;
        const char* text;
    } cases[] = {
        {"neither", false, false, kNotUnregistered},
        {"a shortcut alone", false, true, kUnregistered},
        {"both", true, true, kUnregistered},
    };
    const std::string shortcut = StartupShortcut(kName);
    for (const auto& c : cases) {
        if (c.runValue) {
            ASSERT_TRUE(quenvar::testing::WriteRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, kName, REG_SZ,
                                                             std::string("x", 2)));
        }
        if (c.shortcut) MakeFile(shortcut);
        RunningProgram program;
        SetCheckedQuietly(program, true);
        EXPECT_EQ(ClickAndAnswer(program).text, c.text) << c.what;
        EXPECT_EQ(RunValue(), std::nullopt) << c.what;
        EXPECT_FALSE(FileExists(shortcut)) << c.what;
    }
}

// A program installed under a path with blanks must not let Windows try the
// shorter paths first.
TEST_F(Autorun, APathWithBlanksIsStoredQuoted) {
    char testExe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, testExe, MAX_PATH);
    std::string folder(testExe);
    folder = folder.substr(0, folder.rfind('\\')) + "\\with blanks";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string copy = folder + "\\Quenvar.exe";
    ASSERT_TRUE(CopyFileA(WindowsPath(QUENVAR_EXE).c_str(), copy.c_str(), FALSE));
    {
        RunningProgram program(copy);
        EXPECT_EQ(ClickAndAnswer(program).text, kRegistered);
        EXPECT_EQ(RunValue(), "\"" + copy + "\"");
        EXPECT_EQ(ClickAndAnswer(program).text, kUnregistered);
        EXPECT_EQ(RunValue(), std::nullopt);
    }
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(folder.c_str());
}

// The Run key's DACL for one test; Wine keeps it only as long as its server.
class RunKeySecurity {
public:
    explicit RunKeySecurity(const char* sddl) {
        HKEY opened = nullptr;
        EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, READ_CONTROL | WRITE_DAC, &opened), ERROR_SUCCESS);
        key_.Reset(opened);
        DWORD size = 0;
        RegGetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, nullptr, &size);
        saved_.resize(size);
        EXPECT_EQ(RegGetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, saved_.data(), &size), ERROR_SUCCESS);
        Apply(sddl);
    }
    ~RunKeySecurity() {
        if (!saved_.empty()) RegSetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, saved_.data());
    }

private:
    void Apply(const char* sddl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr));
        EXPECT_EQ(RegSetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
        LocalFree(descriptor);
    }

    quenvar::UniqueRegKey key_;
    std::string saved_;
};

// The Run key taken away for one test with all its values, and put back.
class RunKeyAway {
public:
    RunKeyAway() {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &opened) == ERROR_SUCCESS) {
            quenvar::UniqueRegKey key(opened);
            char name[16384];
            for (DWORD index = 0;; ++index) {
                DWORD nameLength = sizeof(name);
                DWORD type = 0;
                DWORD size = 0;
                if (RegEnumValueA(key.Get(), index, name, &nameLength, nullptr, &type, nullptr, &size) !=
                    ERROR_SUCCESS) {
                    break;
                }
                values_.push_back({name, *ReadRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, name)});
            }
        }
        EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, kRunKey), ERROR_SUCCESS);
    }
    ~RunKeyAway() {
        HKEY created = nullptr;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr);
        quenvar::UniqueRegKey key(created);
        for (const auto& [name, value] : values_) {
            quenvar::testing::WriteRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, name.c_str(), value.type, value.data);
        }
    }
    RunKeyAway(const RunKeyAway&) = delete;
    RunKeyAway& operator=(const RunKeyAway&) = delete;

private:
    std::vector<std::pair<std::string, quenvar::testing::RegistryValue>> values_;
};

TEST_F(Autorun, AKeyThatCannotBeWrittenGivesTheFailureTextAndTheOptionStaysChecked) {
    RunKeySecurity readOnly("D:P(A;;KR;;;WD)");
    RunningProgram program;
    EXPECT_EQ(ClickAndAnswer(program).text, kNotRegistered);
    EXPECT_TRUE(Checked(program.Control(quenvar::kAutorunOption)));
    EXPECT_EQ(RunValue(), std::nullopt);
}

TEST_F(Autorun, AMissingRunKeyIsNotCreated) {
    {
        RunKeyAway away;
        RunningProgram program;
        EXPECT_EQ(ClickAndAnswer(program).text, kNotRegistered);
        HKEY opened = nullptr;
        EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &opened), ERROR_SUCCESS);
        if (opened != nullptr) RegCloseKey(opened);
        EXPECT_EQ(ClickAndAnswer(program).text, kNotUnregistered);
    }
    EXPECT_EQ(RunValue(), std::nullopt);
}

// The functions themselves, in this process, for what the program's own name
// cannot show.
TEST_F(Autorun, RegisteringANonexistentFileWritesNothing) {
    EXPECT_FALSE(quenvar::RegisterAutorun("QuenvarGone.exe", "C:\\nowhere\\QuenvarGone.exe"));
    EXPECT_EQ(RunValue("QuenvarGone.exe"), std::nullopt);
}

TEST_F(Autorun, ANameTooLongForAShortcutPathStillRemovesTheRunValue) {
    const std::string name = std::string(240, 'q') + ".exe";
    SavedRegistryValue saved(HKEY_LOCAL_MACHINE, kRunKey, name.c_str());
    ASSERT_TRUE(quenvar::testing::WriteRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, name.c_str(), REG_SZ,
                                                     std::string("x", 2)));
    EXPECT_TRUE(quenvar::UnregisterAutorun(name));
    EXPECT_EQ(RunValue(name.c_str()), std::nullopt);
    EXPECT_FALSE(quenvar::UnregisterAutorun(name));
}

}  // namespace
