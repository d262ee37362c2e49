// Answers the program's message boxes as a user would: finds the box of a
// process by its title, reads its text and presses one of its buttons.
#pragma once

#include <windows.h>

#include <string>

namespace quenvar::testing {

struct AnsweredBox {
    bool found = false;
    std::string text;
};

// Waits up to `milliseconds` for a dialog-class window (#32770) of process
// `processId` titled `title`, reads its text and posts WM_COMMAND `button`.
AnsweredBox AnswerMessageBox(DWORD processId, const char* title, int button, DWORD milliseconds = 5000);

}  // namespace quenvar::testing
