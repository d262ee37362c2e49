#include "ui/message_box_answerer.h"

#include "ui/program_driver.h"

namespace quenvar::testing {
namespace {

bool HasButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    return button != nullptr && IsWindowVisible(button);
}

}  // namespace

AnsweredBox AnswerMessageBox(DWORD processId, const char* title, int button, DWORD milliseconds) {
    AnsweredBox answered;
    HWND box = WaitForWindow(processId, "#32770", milliseconds, title);
    if (box == nullptr) return answered;
    answered.found = true;
    answered.title = WindowText(box);
    // 0xFFFF is the static control that holds a message box's text.
    answered.text = WindowText(GetDlgItem(box, 0xFFFF));
    answered.okOnly = HasButton(box, IDOK) && !HasButton(box, IDCANCEL) && !HasButton(box, IDYES) &&
                      !HasButton(box, IDNO) && !HasButton(box, IDRETRY) && !HasButton(box, IDABORT);
    PostMessageA(box, WM_COMMAND, button, 0);
    // Gone before the caller goes on, so that a box opened next is not
    // mistaken for this one.
    WaitUntil([&] { return !IsWindow(box); }, 5000);
    return answered;
}

}  // namespace quenvar::testing
