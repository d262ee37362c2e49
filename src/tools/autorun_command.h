// The data of the start-up entry: pure byte-text code, tested natively too.
#pragma once

#include <string>
#include <string_view>

namespace quenvar {

// The command Windows runs at logon for the executable at path. A path with a
// blank is quoted: unquoted, Windows would try the shorter paths first
// (C:\Program.exe for C:\Program Files\...), so a program planted there
// would start at every logon instead.
std::string AutorunCommand(std::string_view path);

}  // namespace quenvar
