#pragma once

namespace quenvar {

// Opens a web address in the user's browser. Failures are silent by design:
// there is nothing the user could do about a missing browser from here.
void OpenWebAddress(const char* address);

}  // namespace quenvar
