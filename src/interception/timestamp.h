#pragma once

#include <string>

namespace quenvar {

struct LocalTime {
    int year;
    int month;  // 1..12
    int day;
    int hour;   // 0..23
    int minute;
    int second;
};

// "2012年11月3日14时7分9秒": the date, then the time down to its last
// non-zero part ("14时7分", "14时", or nothing at midnight). GBK text.
std::string TimestampText(const LocalTime& time);

}  // namespace quenvar
