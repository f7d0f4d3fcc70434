#pragma once

// A day of the calendar, as the program writes it in either language.

#include <ctime>
#include <optional>
#include <string>

#include "base/language.h"

namespace tessla {

struct CalendarDate {
    int year;
    int month;  // 1 … 12
    int day;    // 1 … 31
};

// The local calendar date at `time`; nothing when the system cannot tell it.
std::optional<CalendarDate> localDate(std::time_t time);
// Today's local calendar date.
CalendarDate today();

// "2026-12-11" in Swedish, "12/11/2026" in English.
std::string dateText(CalendarDate date, Language language);

}  // namespace tessla
