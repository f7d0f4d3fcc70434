#pragma once

// The texts the main window's copy buttons put on the clipboard for pasting into a word processor
// or a family-tree program: the shown record and the result rows on screen (the household's copy
// is the household list's own, `householdCopyText`). Windows-1252, every line ended by carriage
// return and line feed, whole at any length.

#include <cstdint>
#include <string>
#include <string_view>

#include "census/person.h"
#include "storage/text_base.h"
#include "storage/word_list.h"

namespace tessla {

// `text` with every line end (carriage return, line feed, or the two together) made carriage
// return and line feed.
std::string withCrLf(std::string_view text);

// The copy of record `record`: "Post " / "Record " + its POSTID, an empty line and its person
// text, without markup. The record is read again, so that the copy is the record asked for
// whatever person was loaded since it was shown. Empty for no record (0 or less, or beyond the
// person records).
std::string recordCopyText(TSPregtext& tessl, std::int32_t record, Language language);

// The copy of the rows `top` … `top` + `rows` − 1 (0-based) of the person list's visible rows,
// stopping at the last: one line a row, its name, a tab and its year of birth as the row holds
// them (no placeholder for a missing name), cut to `kCopyLineLength` characters.
std::string listCopyText(TSPstruktlista& list, std::int32_t top, std::int32_t rows);

}  // namespace tessla
