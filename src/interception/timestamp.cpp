#include "interception/timestamp.h"

#include <cstdio>

namespace quenvar {

std::string TimestampText(const LocalTime& t) {
    char text[96];
    int length = std::snprintf(text, sizeof(text), "%d年%d月%d日", t.year, t.month, t.day);
    if (length < 0 || length >= static_cast<int>(sizeof(text))) return {};
    char* rest = text + length;
    const size_t room = sizeof(text) - length;
    if (t.second != 0) {
        std::snprintf(rest, room, "%d时%d分%d秒", t.hour, t.minute, t.second);
    } else if (t.minute != 0) {
        std::snprintf(rest, room, "%d时%d分", t.hour, t.minute);
    } else if (t.hour != 0) {
        std::snprintf(rest, room, "%d时", t.hour);
    }
    return text;
}

}  // namespace quenvar
