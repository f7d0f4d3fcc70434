#pragma once

// A reader of census CSV text for tests, independent of the product's: RFC 4180 fields separated
// by ",", quoted fields holding commas, doubled quotes and line breaks, records ended by "\n".

#include <string>
#include <vector>

namespace tessla::test {

using CsvRow = std::vector<std::string>;

inline std::vector<CsvRow> parseCsv(const std::string& text) {
    std::vector<CsvRow> rows(1, CsvRow(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = rows.back().back();
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\n') {
            rows.emplace_back(1);
        } else {
            field += c;
        }
    }
    if (rows.back() == CsvRow(1)) rows.pop_back();
    return rows;
}

}  // namespace tessla::test
