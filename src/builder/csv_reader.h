#pragma once

// A streaming reader of comma-separated values (RFC 4180): fields separated by commas, records
// by CR LF or LF; a field in double quotes may hold commas, line breaks and doubled quotes.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace tessla {

class CsvReader {
  public:
    // `in` must outlive the reader. No record is read further than `maxRecordBytes` bytes of
    // input, so that a damaged or hostile file (one quote never closed, a line of nothing but
    // commas) cannot make the reader hold more than that.
    explicit CsvReader(std::istream& in, std::size_t maxRecordBytes = SIZE_MAX)
        : in_(in), maxRecordBytes_(maxRecordBytes) {}

    // Reads the next record into `fields`; false at the end of the input. A record that breaks
    // the quoting rules (a quote inside an unquoted field, text after a closing quote, a quoted
    // field open at the end of the input) is still returned, and `error()` says what was wrong.
    // So is a record longer than the limit, cut there; reading on would start inside it.
    bool next(std::vector<std::string>& fields);

    // The 1-based line on which the last record read starts.
    std::size_t line() const { return recordLine_; }
    // What was wrong with the last record; empty when nothing was.
    const std::string& error() const { return error_; }

  private:
    int get();
    int peek();
    bool fill();
    void fail(std::string what);

    std::istream& in_;
    std::size_t maxRecordBytes_;
    std::vector<char> buffer_ = std::vector<char>(1 << 16);
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    std::size_t currentLine_ = 1;
    std::size_t recordLine_ = 0;
    std::string error_;
};

}  // namespace tessla
