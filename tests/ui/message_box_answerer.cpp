#include "ui/message_box_answerer.h"

#include "ui/program_driver.h"

namespace quenvar::testing {
namespace {

struct Search {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    if (owner == search->processId && std::string(className) == "#32770" && IsWindowVisible(window) &&
        WindowText(window) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

AnsweredBox AnswerMessageBox(DWORD processId, const char* title, int button, DWORD milliseconds) {
    Search search{processId, title, nullptr};
    WaitUntil([&] {
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, milliseconds);
    AnsweredBox answered;
    if (search.found == nullptr) return answered;
    answered.found = true;
    // 0xFFFF is the static control that holds a message box's text.
    answered.text = WindowText(GetDlgItem(search.found, 0xFFFF));
    PostMessageA(search.found, WM_COMMAND, button, 0);
    return answered;
}

}  // namespace quenvar::testing
