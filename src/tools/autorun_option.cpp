// AutorunOption: each click acts on the state the click has just given it.
#include <windows.h>

#include <string>

#include "app/control_ids.h"
#include "app/handlers.h"
#include "app/main_window.h"
#include "platform/message_box.h"
#include "platform/program_location.h"
#include "tools/autorun.h"

namespace quenvar {

void OnAutorunOptionClicked() {
    const bool checked = SendMessageA(Control(kAutorunOption), BM_GETCHECK, 0, 0) == BST_CHECKED;
    const std::string& name = ExecutableFileName();
    // The option is never set back: it shows what the user asked for, and the
    // box tells whether that happened.
    if (checked) {
        const bool registered = RegisterAutorun(name, ProgramDirectory() + "\\" + name);
        ShowMessageBox(registered ? "设置开机启动设置成功，如想取消启动，再来点击本选择框即可"
                                  : "设置开机启动失败，可能是杀毒软件拦截导致，请选择允许",
                       MB_OK);
    } else {
        const bool unregistered = UnregisterAutorun(name);
        ShowMessageBox(unregistered ? "取消开机启动程序成功，恭喜你"
                                    : "取消开机启动程序失败，原因可能是你还未设置启动项，或者其他原因",
                       MB_OK);
    }
}

}  // namespace quenvar
