#include "tools/autorun_command.h"

namespace quenvar {

std::string AutorunCommand(std::string_view path) {
    // No trail byte of a two-byte character is 0x20, so a byte search is exact.
    if (path.find(' ') == std::string_view::npos) return std::string(path);
    std::string quoted;
    quoted.reserve(path.size() + 2);
    quoted += '"';
    quoted += path;
    quoted += '"';
    return quoted;
}

}  // namespace quenvar
