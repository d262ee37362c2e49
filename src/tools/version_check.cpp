#include "tools/version_check.h"

#include <windows.h>

#include <string>

#include "app/control_ids.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "platform/web_address.h"
#include "platform/window_text.h"
#include "tools/byte_text.h"
#include "tools/online.h"
#include "tools/version_decision.h"

namespace quenvar {
void RunVersionCheck(const char* probeAddress, const char* updatePageAddress) {
    HWND status = Control(kStatusLabel);
    if (!CheckInternetConnection(probeAddress)) {
        SetWindowTextA(status, kNotConnectedText);
        return;
    }
    const std::string page = FetchPage(updatePageAddress);
    const VersionVerdict verdict = JudgeUpdatePage(TextBeforeZero(page));
    if (verdict.latestVersion) SetWindowTextA(Control(kLatestVersionLabel), verdict.latestVersion->c_str());
    SetWindowTextA(status, verdict.status.c_str());
    if (!verdict.newer) return;
    // The address stays on the status line in any case; only a web address
    // goes to the browser.
    const std::string address = WindowTextOf(status);
    if (IsWebAddress(address)) OpenWebAddress(address.c_str());
}

// The check blocks the window until both requests are answered or time out.
void OnUpdateLinkPressed() { RunVersionCheck(kProbePageAddress, kUpdatePageAddress); }

}  // namespace quenvar
