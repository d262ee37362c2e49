// The program's start-up entry: a value of the machine-wide Run key, and a
// Startup-folder shortcut of the same name that is removed but never made.
#pragma once

#include <string>

namespace quenvar {

// Writes the Run value name for the executable at path; false when there is
// no file at path or the key cannot be opened or written.
bool RegisterAutorun(const std::string& name, const std::string& path);

// Removes the Run value name and the shortcut name + ".lnk" in the user's
// Startup folder; true when at least one of them was removed.
bool UnregisterAutorun(const std::string& name);

}  // namespace quenvar
