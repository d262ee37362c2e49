#include "platform/message_box.h"

namespace quenvar {

int ShowMessageBox(const char* text, UINT buttons, const char* title) {
    static constexpr char kDefaultTitle[] = "信息：";
    UINT style = buttons;
    if ((style & MB_SYSTEMMODAL) == 0) style |= MB_TASKMODAL;
    return MessageBoxA(nullptr, text, title != nullptr ? title : kDefaultTitle, style);
}

}  // namespace quenvar
