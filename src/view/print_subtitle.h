#pragma once

// The subtitle under the title of every printed page: what the job prints (its lead), the note
// of a result larger than a job collects, the date of printing and the credit line.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/calendar_date.h"
#include "base/language.h"
#include "view/print_choices.h"

namespace tessla {

// 52310 as "52 310" in Swedish, "52,310" in English.
std::string groupedNumber(std::int64_t value, Language language);
// The credit line ending every subtitle (UTF-8).
std::string printCredit(Language language);
// The note of a result larger than a job collects (UTF-8), empty when it is not:
// "de första 10 000 av 52 310 i listans ordning".
std::string collectedNote(std::int32_t collected, std::int32_t available, Language language);
// The subtitle (Windows-1252): `lead` (Windows-1252, "Poster, " or "Tabell, ordnad efter
// namn, "), the note when there is one, the date (as dateText writes it) and the credit.
std::string printSubtitle(std::string_view lead, std::string_view note, CalendarDate date, Language language);
// The leads of the subtitle (Windows-1252).
std::string recordsLead(Language language);
std::string tableLead(PrintKeys keys, Language language);
std::string singleRecordLead(Language language);
// "Hushåll för " / "Household of " + the name (+ ", f. " / ", b. " + the year when there is
// one) + ". "; name and year in Windows-1252.
std::string householdLead(std::string_view name, std::string_view year, Language language);

}  // namespace tessla
