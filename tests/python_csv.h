#pragma once

// The rows of a CSV file as Python's csv module reads them (strictly, the UTF-8 byte order mark
// skipped): a reader independent of ours for the tests of the CSV exports. Fields may hold line
// breaks; a file Python refuses fails the test and gives no rows.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/run_tool.h"

namespace tessla::test {

inline std::vector<std::vector<std::string>> readCsvWithPython(const std::string& path) {
    // Rows are parted by 0x1E and fields by 0x1F, which no exported text holds.
    static const std::string script =
        "import csv, sys\n"
        "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
        "    rows = ['\\x1f'.join(row) for row in csv.reader(f, strict=True)]\n"
        "sys.stdout.buffer.write('\\x1e'.join(rows).encode('utf-8'))\n";
    FILE* pipe = ::popen(("python3 -c " + shellQuoted(script) + " " + shellQuoted(path)).c_str(), "r");
    std::string output;
    char buffer[4096];
    while (pipe) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe);
        if (n == 0) break;
        output.append(buffer, n);
    }
    const int status = pipe ? ::pclose(pipe) : -1;
    EXPECT_EQ(status, 0) << "Python could not read " << path;
    std::vector<std::vector<std::string>> rows;
    if (status != 0 || output.empty()) return rows;
    rows.emplace_back(1);
    for (const char c : output) {
        if (c == '\x1e')
            rows.emplace_back(1);
        else if (c == '\x1f')
            rows.back().emplace_back();
        else
            rows.back().back() += c;
    }
    return rows;
}

}  // namespace tessla::test
