#pragma once

// The one-line citation of a shown record, for the clipboard.

#include <optional>
#include <string>
#include <string_view>

#include "base/calendar_date.h"
#include "census/person.h"

namespace tessla {

// The one-line citation of a person's census record (Windows-1252): the census, county, parish,
// household and POSTID, and the program with its version and the database date:
// "Folkräkningen 1890, Uppsala län, Alunda, hushåll 7, POSTID A-1 (Tessla 1.02, databasdatum 2026-12-11)".
std::string sourceCitation(const Tenperson& person, Language language, std::string_view version,
                           std::optional<CalendarDate> databaseDate);

}  // namespace tessla
