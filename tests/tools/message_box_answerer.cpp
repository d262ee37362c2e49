#include "tools/message_box_answerer.h"

#include "ui/program_driver.h"

namespace quenvar::testing {
namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    if (owner == search->processId && std::string(className) == "#32770" && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindMessageBox(DWORD processId) {
    Search search{processId, nullptr};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool HasButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    return button != nullptr && IsWindowVisible(button);
}

}  // namespace

std::optional<SeenMessageBox> AnswerMessageBox(DWORD processId, DWORD milliseconds) {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindMessageBox(processId)) != nullptr; }, milliseconds)) return std::nullopt;
    SeenMessageBox seen;
    seen.title = WindowText(box);
    // The text of a message box is the static control 0xFFFF.
    seen.text = WindowText(GetDlgItem(box, 0xFFFF));
    seen.okOnly = HasButton(box, IDOK) && !HasButton(box, IDCANCEL) && !HasButton(box, IDYES) &&
                  !HasButton(box, IDNO) && !HasButton(box, IDRETRY) && !HasButton(box, IDABORT);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(box); }, 5000);
    return seen;
}

bool NoMessageBoxFor(DWORD processId, DWORD milliseconds) {
    return !WaitUntil([&] { return FindMessageBox(processId) != nullptr; }, milliseconds);
}

}  // namespace quenvar::testing
