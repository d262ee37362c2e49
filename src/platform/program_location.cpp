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
    path[length < MAX_PATH ? length : MAX_PATH - 1] = '\0';
    InitProgramLocation(path);
}

void InitProgramLocation(const char* fullPath) {
    Location() = SplitProgramPath(fullPath);
    SetCurrentDirectoryA(DirectoryAsPath(Location().directory).c_str());
}

const std::string& ProgramDirectory() { return Location().directory; }
const std::string& ExecutableFileName() { return Location().fileName; }

}  // namespace quenvar
