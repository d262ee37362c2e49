// Splitting the executable's full path into the program directory and the
// executable's file name. Pure byte-text code, so it is tested natively too.
#pragma once

#include <string>
#include <string_view>

namespace quenvar {

struct ProgramPath {
    std::string directory;  // no trailing backslash; "D:" for a drive's root
    std::string fileName;   // extension included
};

// True for a byte that starts a two-byte character in code page 936.
constexpr bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// The last backslash is searched for character by character, so the trail
// byte of a two-byte character (which may be 0x5C) is never mistaken for one.
ProgramPath SplitProgramPath(std::string_view fullPath);

// The directory in a form that names it on its own: "D:" alone would mean
// "the current directory of drive D:", and an empty one the current directory.
std::string DirectoryAsPath(const std::string& directory);

}  // namespace quenvar
