#pragma once

// The result list as a CSV file for a spreadsheet: RFC 4180 fields kept from being read as
// formulas, a header and a row per person, and the export of the result up to the export limit.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "census/person.h"
#include "database/database.h"
#include "view/print_choices.h"
#include "view/print_collection.h"

namespace tessla {

// A field as RFC 4180 writes it: in double quotes, with each quote doubled, when it holds a
// comma, a quote, a carriage return or a line feed; as it stands otherwise. A text that begins
// with "=", "+", "-", "@", a tab or a carriage return gets an apostrophe in front first: census
// texts come from anyone's file, and a spreadsheet would take such a cell as a formula, while it
// shows a cell that begins with an apostrophe as the text after it.
std::string csvField(std::string_view utf8);
// The header row: the six display columns' headings and POSTID, ended by carriage return and
// line feed (UTF-8).
std::string csvHeader(Language language);
// A person's row: the six display columns and the POSTID (UTF-8), each trimmed of the blanks
// the roll leaves around its values, which a spreadsheet would keep.
std::string csvRow(const Tenperson& person, Language language);
// A whole file: a UTF-8 byte order mark (so that a spreadsheet reads the letters right), the
// header and a row per person; separators (a household's families) are left out.
std::string csvFile(const CollectedPersons& persons, Language language);

// What a CSV export of the result list writes and how much of the result that is.
struct CsvExport {
    std::string text;            // UTF-8
    std::int32_t written = 0;    // the rows written
    std::int32_t available = 0;  // the persons of the result
    bool cancelled = false;
};
// The first `limit` persons of the result list (the export limit), in list order or, given
// `keys`, sorted as the print window sorts a table. `step` runs before each person read; false
// cancels.
CsvExport exportResult(Database& db, std::int32_t limit, std::optional<PrintKeys> keys, Language language,
                       const PrintStep& step);
// The notice of a result larger than the export limit, before writing (UTF-8):
// "Listan har 52 310 personer; filen får de 10 000 första i listans ordning."; empty when it is not.
std::string exportLimitNotice(std::int32_t limit, std::int32_t available, Language language);

}  // namespace tessla
