// The program directory and executable file name, determined once at start-up.
#pragma once

#include <string>

namespace quenvar {

// Reads the executable's path, remembers its two halves and makes the program
// directory the current directory, so relative paths behave the same however
// the program was started.
void InitProgramLocation();
// The same from a given full path: tests place the program where they want.
void InitProgramLocation(const char* fullPath);

const std::string& ProgramDirectory();
const std::string& ExecutableFileName();

}  // namespace quenvar
