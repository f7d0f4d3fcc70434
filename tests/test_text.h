#pragma once

// Tests write Swedish text as UTF-8 literals; the core works in Windows-1252 bytes.

#include <stdexcept>
#include <string>
#include <string_view>

#include "base/cp1252.h"

namespace tessla::test {

inline std::string w(std::string_view utf8) {
    auto bytes = utf8ToCp1252(Utf8View(utf8));
    if (!bytes) throw std::invalid_argument("test text outside Windows-1252");
    return *bytes;
}

}  // namespace tessla::test
