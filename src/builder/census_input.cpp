#include "builder/census_input.h"

#include <algorithm>

#include "base/catalogue.h"
#include "base/cp1252.h"

namespace tessla {
namespace {

bool isName(int field) {
    return field == FNAMN || field == ENAMN;
}

// Replaces every `from` in `text` by `to`; true when there was one.
bool replaceAll(std::string& text, std::string_view from, std::string_view to) {
    bool replaced = false;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
        replaced = true;
    }
    return replaced;
}

// Remarks keep their line breaks as single carriage returns.
void normaliseLineBreaks(std::string& text) {
    replaceAll(text, "\r\n", "\r");
    std::replace(text.begin(), text.end(), '\n', '\r');
}

}  // namespace

std::string personFieldName(int field) {
    // The labels of the person records carry a type digit before the name.
    return cp1252ToUtf8(personTextBase().labels[static_cast<std::size_t>(field)].substr(1)).str();
}

CensusReader::CensusReader(std::istream& in, WarningSink warn, std::size_t personsMax)
    : csv_(in, kCsvRowBytesMax), warn_(std::move(warn)), personsMax_(personsMax) {
    readHeader();
}

void CensusReader::fail(std::size_t line, int field, const std::string& what) const {
    std::string where = "line " + std::to_string(line);
    if (field >= 0) where += ", field " + personFieldName(field);
    throw CensusInputError(where + ": " + what);
}

void CensusReader::warn(std::size_t line, int field, const std::string& what) const {
    warn_("line " + std::to_string(line) + ", field " + personFieldName(field) + ": " + what);
}

void CensusReader::readHeader() {
    std::vector<std::string> header;
    if (!csv_.next(header) || (header.size() == 1 && header[0].empty())) {
        throw CensusInputError("the census file is empty");
    }
    if (!csv_.error().empty()) fail(csv_.line(), -1, csv_.error());
    columnCount_ = header.size();
    columns_.fill(SIZE_MAX);
    for (std::size_t column = 0; column < header.size(); ++column) {
        std::string name = header[column];
        if (name == "OVRIGT") name = personFieldName(OVRIGT);
        for (int field = 0; field < kPersonFieldCount; ++field) {
            if (name != personFieldName(field)) continue;
            if (columns_[static_cast<std::size_t>(field)] != SIZE_MAX)
                fail(csv_.line(), field, "the column occurs twice");
            columns_[static_cast<std::size_t>(field)] = column;
        }
    }
    for (int field = 0; field < kPersonFieldCount; ++field) {
        if (columns_[static_cast<std::size_t>(field)] == SIZE_MAX)
            fail(csv_.line(), field, "the column is missing");
    }
}

bool CensusReader::next(CensusRow& row) {
    if (!csv_.next(cells_)) {
        if (rows_ == 0) throw CensusInputError("the census file holds no persons");
        return false;
    }
    row.line = csv_.line();
    if (!csv_.error().empty()) fail(row.line, -1, csv_.error());
    if (cells_.size() != columnCount_) {
        fail(row.line, -1,
             "the row has " + std::to_string(cells_.size()) + " fields, the header " +
                 std::to_string(columnCount_));
    }
    if (++rows_ > personsMax_) fail(row.line, -1, "more than " + std::to_string(personsMax_) + " persons");
    std::size_t recordSize = 0;
    for (int field = 0; field < kPersonFieldCount; ++field) {
        convert(field, Utf8View(cells_[columns_[static_cast<std::size_t>(field)]]), row);
        recordSize += row.fields[static_cast<std::size_t>(field)].size() + 2;
    }
    if (recordSize > kRecordMax) {
        fail(row.line, -1, "the person takes " + std::to_string(recordSize) + " bytes, more than 25 000");
    }
    return true;
}

void CensusReader::convert(int field, Utf8View utf8, CensusRow& row) {
    Cp1252Error error;
    auto bytes = utf8ToCp1252(utf8, &error);
    if (!bytes) fail(row.line, field, error.message());
    std::string& value = row.fields[static_cast<std::size_t>(field)];
    value = std::move(*bytes);
    if (field == OVRIGT) {
        normaliseLineBreaks(value);
    } else if (value.find_first_of("\r\n") != std::string::npos) {
        fail(row.line, field, "a line break in a single-line field");
    }
    const std::size_t limit = field == OVRIGT ? kRemarkFieldMax : kSingleLineFieldMax;
    if (value.size() > limit) {
        fail(row.line, field, std::to_string(value.size()) + " bytes, more than " + std::to_string(limit));
    }
    if (field != FOLAND1890) {
        const bool opening = replaceAll(value, "[", "(");
        const bool closing = replaceAll(value, "]", ")");
        if (opening || closing) warn(row.line, field, "square brackets replaced by parentheses");
    }
    if (isName(field) && replaceAll(value, "\xFE", "th"))
        warn(row.line, field, "\"\xC3\xBE\" replaced by \"th\"");
}

}  // namespace tessla
