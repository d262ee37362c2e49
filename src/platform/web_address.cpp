#include "platform/web_address.h"

#include <windows.h>
#include <shellapi.h>

namespace quenvar {

void OpenWebAddress(const char* address) {
    // An open Internet Explorer window, when there is one, owns whatever the
    // shell shows about the address.
    HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
    ShellExecuteA(owner, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quenvar
