// Any bytes as a census CSV: first through the CSV reader alone, then through the census reader the
// database builder reads with (header matched to the person fields, rows converted to
// Windows-1252 and checked). Reading must end, and either refuse the input with a CensusInputError
// or hand on rows that keep the database's limits: fields within their sizes, no line break in a
// single-line field, no square bracket outside FOLAND1890 and no "þ" in a name.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "builder/census_input.h"
#include "builder/csv_reader.h"

namespace {

using namespace tessla;

// A census larger than this is refused, so that the limit's own check is reached.
constexpr std::size_t kPersonsMax = 20;

void check(bool condition) {
    if (!condition) std::abort();
}

// The CSV reader alone, with a record limit that short inputs reach (the census reader's is larger
// than any of them): no record holds more bytes than the limit, nor all of them more than the input.
void readCsv(const std::string& input) {
    constexpr std::size_t kRecordBytesMax = 256;
    std::istringstream in(input);
    CsvReader csv(in, kRecordBytesMax);
    std::vector<std::string> fields;
    std::size_t line = 0, bytes = 0;
    while (csv.next(fields)) {
        check(!fields.empty() && csv.line() >= line);
        line = csv.line();
        std::size_t recordBytes = 0;
        for (const std::string& field : fields) recordBytes += field.size();
        check(recordBytes <= kRecordBytesMax);
        bytes += recordBytes;
    }
    check(bytes <= input.size());
}

void checkRow(const CensusRow& row) {
    std::size_t recordSize = 0;
    for (int field = 0; field < kPersonFieldCount; ++field) {
        const std::string_view value = row[field];
        recordSize += value.size() + 2;
        check(value.size() <= (field == OVRIGT ? kRemarkFieldMax : kSingleLineFieldMax));
        check(value.find_first_of(field == OVRIGT ? "\n" : "\r\n") == std::string_view::npos);
        if (field != FOLAND1890) check(value.find_first_of("[]") == std::string_view::npos);
        if (field == FNAMN || field == ENAMN) check(value.find('\xFE') == std::string_view::npos);
    }
    check(recordSize <= kRecordMax);
}

void readCensus(const std::string& input) {
    std::istringstream in(input);
    std::size_t warnings = 0;
    try {
        CensusReader census(
            in, [&](const std::string&) { ++warnings; }, kPersonsMax);
        CensusRow row;
        std::size_t line = 0;
        while (census.next(row)) {
            check(row.line > line && census.rowsRead() <= kPersonsMax);
            line = row.line;
            checkRow(row);
        }
    } catch (const CensusInputError&) {
    }
    // At most two replacements (brackets, "þ") per field of each row.
    check(warnings <= 2 * kPersonFieldCount * kPersonsMax);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    readCsv(input);
    readCensus(input);
    return 0;
}
