// Message boxes of another process: read, then answered as a user would.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quenvar::testing {

struct SeenMessageBox {
    std::string title;
    std::string text;
    bool okOnly = false;  // an OK button and no other
};

// Waits for a message box of the process, reads it and presses its OK button.
std::optional<SeenMessageBox> AnswerMessageBox(DWORD processId, DWORD milliseconds = 10000);

// True when no message box of the process shows up within the time.
bool NoMessageBoxFor(DWORD processId, DWORD milliseconds);

}  // namespace quenvar::testing
