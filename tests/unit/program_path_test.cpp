#include <gtest/gtest.h>

#include "platform/program_path.h"

namespace {

struct PathCase {
    const char* name;
    std::string_view fullPath;
    std::string_view directory;
    std::string_view fileName;
};

TEST(SplitProgramPath, Table) {
    const PathCase cases[] = {
        {"normal path", "C:\\Program Files\\Quenvar\\Quenvar.exe", "C:\\Program Files\\Quenvar", "Quenvar.exe"},
        {"drive root", "D:\\Quenvar.exe", "D:", "Quenvar.exe"},
        {"no backslash", "Quenvar.exe", "", "Quenvar.exe"},
        // E5 5C is one two-byte character whose trail byte is the code of a
        // backslash; it must not be taken for one.
        {"GBK trail byte 5C", "C:\\\xB1\xED\\\xE5\x5C.exe", "C:\\\xB1\xED", "\xE5\x5C.exe"},
        {"GBK trail byte 5C in the directory", "C:\\\xE5\x5C\\a.exe", "C:\\\xE5\x5C", "a.exe"},
    };
    for (const PathCase& c : cases) {
        const quenvar::ProgramPath split = quenvar::SplitProgramPath(c.fullPath);
        EXPECT_EQ(split.directory, c.directory) << c.name;
        EXPECT_EQ(split.fileName, c.fileName) << c.name;
    }
}

}  // namespace
