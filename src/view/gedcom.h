#pragma once

// The household shown, as a lineage-linked GEDCOM 5.5.1 file in UTF-8 for a family-tree program:
// a header, the submitter, one source record for the census, one individual per member with
// birth, occupation, the census event cited and the remarks as a note, and one family per family
// of the household as the household list groups them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/calendar_date.h"
#include "census/household.h"
#include "census/person.h"
#include "database/database.h"

namespace tessla {

// What the file says of itself and of its source.
struct GedcomOrigin {
    Language language = Language::Swedish;  // of the source's title, the citation and the places
    std::string version;                    // the program's version
    std::optional<CalendarDate> databaseDate;
    CalendarDate written{2000, 1, 1};  // the date of the header
};

// The longest line of the file, its level, tag and line end not counted apart.
inline constexpr std::size_t kGedcomLineLength = 255;

// The census as a source: "Folkräkningen 1890" / "Census of Sweden 1890" (Windows-1252).
std::string censusTitle(Language language);
// Where the person's record stands in the census: county, parish, household number and POSTID,
// joined by ", " (Windows-1252).
std::string censusPage(const Tenperson& person, Language language);

// The date of a year of birth as the roll writes it: "1865" stays, "omkr. 1865", "ca 1865" or
// "abt 1865" (any case, with or without a full stop) become "ABT 1865", any other text a date
// phrase in parentheses ("(186?)"); empty for an empty year.
std::string gedcomBirthDate(std::string_view year);

// The household in its list order: a person per member, nothing where a family ends (as
// `collectHousehold` gives it). Text is Windows-1252; the file is UTF-8 with lines ended by
// carriage return and line feed.
std::string householdGedcom(const std::vector<std::optional<Tenperson>>& entries, const GedcomOrigin& origin);

// The origin of a file written today from `db`: the program's version, the database date as the
// about title shows it, and today's local date.
GedcomOrigin gedcomOrigin(Database& db, Language language);
// The household list's members read from `db` and written as householdGedcom writes them.
std::string householdGedcom(Database& db, const HouseholdList& household, Language language);

}  // namespace tessla
