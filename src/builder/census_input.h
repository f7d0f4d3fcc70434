#pragma once

// Reading a census CSV for the database builder: the header is matched to the 27 person fields,
// every row is converted to Windows-1252 and checked against the limits of the database, and
// the few characters the database cannot hold in a field are replaced with a warning.

#include <array>
#include <cstddef>
#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/utf8.h"
#include "builder/csv_reader.h"

namespace tessla {

// The person fields in the order of the person records.
enum PersonField : int {
    POSTID,
    HEMLEN,
    HEMFO,
    HEMBY,
    HUSHNR,
    FAMST,
    FAMNR,
    FAMSTKOD,
    FNAMN,
    ENAMN,
    TITEL,
    YRKE,
    YRKESKOD,
    LYTE,
    FODAR,
    FOFORS,
    FOFORS1890,
    FOLEN1890,
    FOLAND1890,
    SCB1989,
    GENUS,
    CIVST,
    TRO,
    NATION,
    FRANV,
    STRUKEN,
    OVRIGT,
};
inline constexpr int kPersonFieldCount = 27;

// The name of a field as the CSV header and messages write it (UTF-8).
std::string personFieldName(int field);

// Limits of the database, checked on every row.
inline constexpr std::size_t kSingleLineFieldMax = 6000;
inline constexpr std::size_t kRemarkFieldMax = 9999;
inline constexpr std::size_t kRecordMax = 25000;  // the stored record: each field with two bytes more
inline constexpr std::size_t kPersonsMax = 6000000;
// The most bytes of the census CSV that one row (or the header) may take. A person's fields hold
// at most 25 000 bytes of at most three bytes of UTF-8 each; the limit leaves room for that and
// for columns the builder does not read, and bounds what a damaged or hostile file makes the
// reader hold.
inline constexpr std::size_t kCsvRowBytesMax = 1 << 20;

// Why the input cannot become a database: says where, in the user's terms.
class CensusInputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One person as the database stores it: Windows-1252 bytes, in field order.
struct CensusRow {
    std::array<std::string, kPersonFieldCount> fields;
    std::size_t line = 0;  // where the row starts in the CSV
    std::string_view operator[](int field) const { return fields[static_cast<std::size_t>(field)]; }
};

class CensusReader {
  public:
    using WarningSink = std::function<void(const std::string&)>;

    // Reads the header row at once; throws CensusInputError for an empty input, a header without
    // a person field or a field named twice. `warn` hears each replacement made. A census of more
    // than `personsMax` persons is refused. `in` must outlive the reader.
    CensusReader(std::istream& in, WarningSink warn, std::size_t personsMax = kPersonsMax);

    // The next person, or false at the end of the input; throws CensusInputError naming line and
    // field for a row that cannot be stored.
    bool next(CensusRow& row);

    std::size_t rowsRead() const { return rows_; }

  private:
    void readHeader();
    [[noreturn]] void fail(std::size_t line, int field, const std::string& what) const;
    void warn(std::size_t line, int field, const std::string& what) const;
    void convert(int field, Utf8View utf8, CensusRow& row);

    CsvReader csv_;
    WarningSink warn_;
    std::array<std::size_t, kPersonFieldCount> columns_{};
    std::size_t columnCount_ = 0;
    std::vector<std::string> cells_;
    std::size_t rows_ = 0;
    std::size_t personsMax_;
};

}  // namespace tessla
