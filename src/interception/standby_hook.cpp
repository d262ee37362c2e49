#include "interception/standby_hook.h"

#include "app/artwork.h"
#include "app/control_ids.h"
#include "app/controls/image_button.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "interception/hook_chain.h"
#include "interception/interception_texts.h"
#include "interception/log.h"
#include "platform/message_box.h"
#include "platform/resource_data.h"
#include "resources/resource_ids.h"

namespace quenvar {
namespace {

WindowHook& Hook() {
    static WindowHook hook;
    return hook;
}

}  // namespace

LRESULT CALLBACK StandbyHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_POWERBROADCAST) return CallPrevious(Hook(), window, message, wParam, lParam);
    // Whatever the event: a suspend query, a resume or a power-status change.
    WriteLogLine(texts::kStandbyLogged);
    return BROADCAST_QUERY_DENY;
}

bool IsStandbyInterceptionOn() {
    const ImageButtonLook* look = GetImageButtonLook(Control(kStandbyButton));
    return look != nullptr && look->picture == ResourceBytes(IDR_STANDBY_ENABLED);
}

void OnStandbyButtonClicked() {
    if (IsStandbyInterceptionOn()) {
        ShowMessageBox(texts::kStandbyCannotBeSwitchedOff, MB_OK);
        return;
    }
    HWND button = Control(kStandbyButton);
    ImageButtonLook look = *GetImageButtonLook(button);
    look.normal = ArtworkImage(IDR_STANDBY_ENABLED);
    look.picture = ResourceBytes(IDR_STANDBY_ENABLED);
    SetImageButtonLook(button, look);
    SetWindowTextA(Control(kStandbyStatusLabel), texts::kStandbyOn);
    InstallHook(MainWindow(), StandbyHook, Hook());
    // Since Vista, Windows no longer asks before it suspends, so denying the
    // query alone would not keep the machine awake. This request holds until
    // the process ends.
    SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
}

}  // namespace quenvar
