// The interception log: the text of LogBox, the only record of what the
// program refused.
#pragma once

#include <string>

namespace quenvar {

// Appends text at the very end of LogBox, wherever the user left the caret.
void AppendToLog(const char* text);

// Appends the current local time's timestamp followed by message.
void WriteLogLine(const char* message);

// The saved log's path: the program directory followed by "\Config.ini".
std::string SavedLogPath();

// Writes LogBox's bytes to Config.ini; does nothing for an empty log. An
// existing Config.ini is replaced only once the new content is completely
// on disk, so a failed save never leaves it emptied or half written.
void SaveLog();

}  // namespace quenvar
