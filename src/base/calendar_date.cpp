#include "base/calendar_date.h"

#include <cstdio>

namespace tessla {

std::optional<CalendarDate> localDate(std::time_t time) {
    std::tm local{};
    if (localtime_r(&time, &local) == nullptr) return std::nullopt;
    return CalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

CalendarDate today() {
    // A clock the system cannot tell as a local time reads as the zero time does.
    return localDate(std::time(nullptr)).value_or(CalendarDate{1900, 1, 0});
}

std::string dateText(CalendarDate date, Language language) {
    char swedish[32], english[32];
    std::snprintf(swedish, sizeof swedish, "%04d-%02d-%02d", date.year, date.month, date.day);
    std::snprintf(english, sizeof english, "%02d/%02d/%04d", date.month, date.day, date.year);
    return inLanguage(language, swedish, english);
}

}  // namespace tessla
