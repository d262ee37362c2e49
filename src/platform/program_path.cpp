#include "platform/program_path.h"

namespace quenvar {

ProgramPath SplitProgramPath(std::string_view fullPath) {
    std::string_view::size_type lastBackslash = std::string_view::npos;
    for (std::string_view::size_type i = 0; i < fullPath.size(); ++i) {
        const auto byte = static_cast<unsigned char>(fullPath[i]);
        if (IsGbkLeadByte(byte) && i + 1 < fullPath.size()) {
            ++i;  // the trail byte belongs to this character
        } else if (byte == '\\') {
            lastBackslash = i;
        }
    }
    if (lastBackslash == std::string_view::npos) return {std::string(), std::string(fullPath)};
    return {std::string(fullPath.substr(0, lastBackslash)),
            std::string(fullPath.substr(lastBackslash + 1))};
}

std::string DirectoryAsPath(const std::string& directory) {
    if (directory.empty()) return ".";
    if (directory.size() == 2 && directory[1] == ':') return directory + '\\';
    return directory;
}

}  // namespace quenvar
