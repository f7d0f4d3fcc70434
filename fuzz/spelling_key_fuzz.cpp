// Any bytes as the key list of a name list (its rows by spelling key), opened with the row count its
// header gives so that the checks past the header are reached: looking up the keys the file holds and
// a few others must never crash or read outside the file, and whatever rows come back ascend, each
// once, inside the list. The same bytes as a name go through the spelling key itself.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "search/spelling_key.h"
#include "search/spelling_key_file.h"
#include "search/spelling_key_format.h"
#include "storage/little_endian.h"

namespace {

using namespace tessla;

namespace fmt = spelling_key_format;

void check(bool condition) {
    if (!condition) std::abort();
}

std::uint32_t numberAt(std::string_view bytes, std::size_t at) {
    return getFixed32(reinterpret_cast<const std::uint8_t*>(bytes.data()) + at);
}

// The keys of the first entries as the header's key width places them.
std::vector<std::string> keysIn(std::string_view bytes) {
    std::vector<std::string> keys;
    const std::size_t width = numberAt(bytes, fmt::kKeyWidthOffset);
    if (width == 0 || width > fmt::kWidestKey) return keys;
    for (std::size_t at = fmt::kHeaderSize; at + width <= bytes.size() && keys.size() < 8;
         at += width + fmt::kRowNumberSize) {
        const std::string_view key = bytes.substr(at, width);
        keys.emplace_back(key.substr(0, key.find('\0')));
    }
    return keys;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string key = spellingKey(bytes);
    for (const std::string& joined : spellingKeyFamily(key)) check(spellingKeysJoined(key, joined));
    if (size < fmt::kHeaderSize) return 0;

    static const std::string path =
        std::filesystem::temp_directory_path().string() + "/tessla-skey-fuzz-" + std::to_string(::getpid());
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    const std::uint32_t rows = std::min<std::uint32_t>(numberAt(bytes, fmt::kRowCountOffset), INT32_MAX);
    SpellingKeyFile file(path, kSpellingKeyVersion, static_cast<std::int32_t>(rows));
    std::vector<std::string> keys = keysIn(bytes);
    for (const char* name : {"", "Eriksson",
                             "\xD6"
                             "berg",
                             "zzzz"})
        keys.push_back(spellingKey(name));
    for (const std::string& wanted : keys) {
        const auto found = file.rowsOf(wanted);
        if (!found) continue;
        check(file.usable() && found->size() <= rows);
        for (std::size_t i = 0; i < found->size(); ++i)
            check((*found)[i] >= 1 && static_cast<std::uint32_t>((*found)[i]) <= rows &&
                  (i == 0 || (*found)[i] > (*found)[i - 1]));
    }
    return 0;
}
