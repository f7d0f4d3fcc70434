#pragma once

// The help and about texts of the database: one file per topic and language, named by its code
// ("HJ001.txt" Swedish, "HJ001e.txt" English), holding the title on its first line, an empty
// line, and the body in the program's markup. Files are UTF-8; the texts become Windows-1252,
// with each line break of the body a carriage return.

#include <string>
#include <string_view>
#include <vector>

#include "base/utf8.h"

namespace tessla {

struct HelpText {
    std::string code;   // "HJ001", "HJ001e"
    std::string title;  // Windows-1252
    std::string body;   // Windows-1252, lines ended by carriage returns
};

// The longest body a help record holds with its code and title.
inline constexpr std::size_t kHelpRecordMax = 20000;

// Parses one help file; throws BuildError naming the file when it is not valid.
HelpText parseHelpText(std::string_view code, Utf8View utf8);

// The texts built into the program, sorted by code in SwedishOrder.
std::vector<HelpText> builtInHelpTexts();
// The texts of the "*.txt" files of `directory`, sorted by code in SwedishOrder; throws
// BuildError when the directory cannot be read or a file is not valid.
std::vector<HelpText> readHelpTexts(const std::string& directory);

}  // namespace tessla
