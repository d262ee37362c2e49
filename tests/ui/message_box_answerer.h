// Answers the program's message boxes as a user would: finds the box of a
// process, reads its title, text and buttons, and presses one of them.
#pragma once

#include <windows.h>

#include <string>

namespace quenvar::testing {

struct AnsweredBox {
    bool found = false;
    std::string title;
    std::string text;
    bool okOnly = false;  // an OK button and no other
};

// Waits up to `milliseconds` for a visible dialog-class window (#32770) of
// process `processId` titled `title` (any title when null), reads it, posts
// WM_COMMAND `button` and waits for the box to go.
AnsweredBox AnswerMessageBox(DWORD processId, const char* title, int button, DWORD milliseconds = 5000);

}  // namespace quenvar::testing
