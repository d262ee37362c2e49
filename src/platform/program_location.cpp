#include "platform/program_location.h"

#include <windows.h>

#include "platform/program_path.h"

namespace quenvar {
namespace {

ProgramPath& Location() {
    static ProgramPath location;
    return location;
}

}  // namespace

void InitProgramLocation() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    // A truncated path has no terminating zero on XP; the length is what counts.
    Location() = SplitProgramPath(std::string_view(path, length < MAX_PATH ? length : MAX_PATH - 1));
    // For a program in a drive's root the directory is "D:", which alone would
    // mean "the current directory on D:"; the root itself is what is meant.
    std::string current = Location().directory;
    if (current.size() == 2 && current[1] == ':') current += '\\';
    if (!current.empty()) SetCurrentDirectoryA(current.c_str());
}

const std::string& ProgramDirectory() { return Location().directory; }
const std::string& ExecutableFileName() { return Location().fileName; }

}  // namespace quenvar
