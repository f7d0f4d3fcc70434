#include "builder/csv_reader.h"

#include "base/string_utils.h"

namespace tessla {

// The input is read in large pieces; get and peek work on the buffer.
bool CsvReader::fill() {
    if (position_ < end_) return true;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    position_ = 0;
    end_ = static_cast<std::size_t>(in_.gcount());
    return end_ > 0;
}

int CsvReader::peek() {
    return fill() ? static_cast<unsigned char>(buffer_[position_]) : EOF;
}

int CsvReader::get() {
    if (!fill()) return EOF;
    const int c = static_cast<unsigned char>(buffer_[position_++]);
    if (c == '\n') ++currentLine_;
    return c;
}

void CsvReader::fail(std::string what) {
    if (error_.empty()) error_ = std::move(what);
}

bool CsvReader::next(std::vector<std::string>& fields) {
    fields.clear();
    error_.clear();
    recordLine_ = currentLine_;
    int c = get();
    if (c == EOF) return false;
    std::string field;
    bool quoted = false;      // inside a quoted field
    bool afterQuote = false;  // a quoted field has been closed
    for (std::size_t taken = 1;; c = get(), ++taken) {
        if (taken > maxRecordBytes_) {
            fail("the record is longer than " +
                 groupedDigits(static_cast<std::int64_t>(maxRecordBytes_), ' ') + " bytes");
            break;
        }
        if (quoted) {
            if (c == EOF) {
                fail("a quoted field is not closed");
                break;
            }
            if (c == '"') {
                if (peek() == '"') {
                    field += static_cast<char>(get());
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                field += static_cast<char>(c);
            }
            continue;
        }
        if (c == EOF || c == '\n') break;
        if (c == '\r' && peek() == '\n') continue;
        if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            afterQuote = false;
        } else if (c == '"' && field.empty() && !afterQuote) {
            quoted = true;
        } else {
            if (c == '"') fail("a quote inside an unquoted field");
            if (afterQuote) fail("text after a closing quote");
            field += static_cast<char>(c);
        }
    }
    fields.push_back(std::move(field));
    return true;
}

}  // namespace tessla
