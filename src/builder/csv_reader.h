#pragma once

// A streaming reader of comma-separated values (RFC 4180): fields separated by commas, records
// by CR LF or LF; a field in double quotes may hold commas, line breaks and doubled quotes.

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace tessla {

class CsvReader {
  public:
    // `in` must outlive the reader.
    explicit CsvReader(std::istream& in) : in_(in) {}

    // Reads the next record into `fields`; false at the end of the input. A record that breaks
    // the quoting rules (a quote inside an unquoted field, text after a closing quote, a quoted
    // field open at the end of the input) is still returned, and `error()` says what was wrong.
    bool next(std::vector<std::string>& fields);

    // The 1-based line on which the last record read starts.
    std::size_t line() const { return recordLine_; }
    // What was wrong with the last record; empty when nothing was.
    const std::string& error() const { return error_; }

  private:
    int get();
    int peek();
    bool fill();
    void fail(const char* what);

    std::istream& in_;
    std::vector<char> buffer_ = std::vector<char>(1 << 16);
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    std::size_t currentLine_ = 1;
    std::size_t recordLine_ = 0;
    std::string error_;
};

}  // namespace tessla
