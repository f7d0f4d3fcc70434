#pragma once

// The key list of a name list: its rows sorted by spelling key, written by the builder as an extra
// file beside the list, so that a "~" search finds its rows by binary search instead of walking
// the list. The database does not need the file: without it, or when it was written under other
// key rules or does not fit the list, the search walks the list. Its layout is in
// search/spelling_key_format.h; what it holds is untrusted like every file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/file.h"

namespace tessla {

// The key list's file name beside the list's row file `<filkat><filnamn>.<ext>`.
std::string spellingKeyFilePath(const std::string& filkat, const std::string& filnamn);

// Writes the key list of `texts`, the list's row texts in row order (row 1 first), stamped with
// `stamp`; false when it cannot be written.
bool writeSpellingKeyFile(const std::string& path, const std::vector<std::string_view>& texts,
                          std::uint32_t stamp);

class SpellingKeyFile {
  public:
    // Opens the key list at `path` for a list of `rowCount` rows; `usable()` is false when it is
    // missing, carries another stamp than `stamp`, has another row count or a size that does not
    // fit its header.
    SpellingKeyFile(const std::string& path, std::uint32_t stamp, std::int32_t rowCount);

    bool usable() const { return usable_; }
    // The rows whose key is `key`, ascending; nothing when the file cannot be read, names a row
    // outside the list, or names rows of a key out of order or twice.
    std::optional<std::vector<std::int32_t>> rowsOf(std::string_view key);

  private:
    // The key and row of entry i (0-based); false when it cannot be read or names a row outside
    // the list.
    bool readEntry(std::uint32_t i, std::string& key, std::int32_t& row);

    std::optional<File> file_;
    std::vector<std::uint8_t> entry_;  // one entry's bytes
    bool usable_ = false;
    std::int32_t rowCount_ = 0;
    std::uint32_t width_ = 0;
    std::uint32_t entries_ = 0;
};

}  // namespace tessla
