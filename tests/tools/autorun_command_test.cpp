// The command stored in the Run key for the executable's path.
#include <gtest/gtest.h>

#include <string_view>

#include "tools/autorun_command.h"

namespace {

TEST(AutorunCommand, QuotedOnlyWhenThePathHasABlank) {
    const struct {
        std::string_view path;
        std::string_view command;
    } cases[] = {
        {"D:\\Tools\\app.exe", "D:\\Tools\\app.exe"},
        {"D:\\app.exe", "D:\\app.exe"},
        {"C:\\Program Files\\Quenvar\\Quenvar.exe", "\"C:\\Program Files\\Quenvar\\Quenvar.exe\""},
        {"C:\\\xB9\xA4\xBE\xDF \xBC\xD0\\app.exe", "\"C:\\\xB9\xA4\xBE\xDF \xBC\xD0\\app.exe\""},
    };
    for (const auto& c : cases) EXPECT_EQ(quenvar::AutorunCommand(c.path), c.command) << c.path;
}

}  // namespace
