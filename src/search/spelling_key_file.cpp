#include "search/spelling_key_file.h"

#include <algorithm>
#include <array>

#include "search/spelling_key.h"
#include "search/spelling_key_format.h"
#include "storage/little_endian.h"

namespace tessla {

namespace fmt = spelling_key_format;

std::string spellingKeyFilePath(const std::string& filkat, const std::string& filnamn) {
    return filkat + filnamn + ".skey";
}

bool writeSpellingKeyFile(const std::string& path, const std::vector<std::string_view>& texts,
                          std::uint32_t stamp) {
    std::vector<std::pair<std::string, std::uint32_t>> entries;
    std::size_t width = 1;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::string key = spellingKey(texts[i]);
        if (key.empty()) continue;
        width = std::max(width, key.size());
        entries.emplace_back(std::move(key), static_cast<std::uint32_t>(i + 1));
    }
    if (width > fmt::kWidestKey) return false;
    std::ranges::sort(entries);
    std::vector<std::uint8_t> out(fmt::kHeaderSize);
    std::ranges::copy(fmt::kMagic, out.begin() + fmt::kMagicOffset);
    putFixed32(out.data() + fmt::kStampOffset, stamp);
    putFixed32(out.data() + fmt::kRowCountOffset, static_cast<std::uint32_t>(texts.size()));
    putFixed32(out.data() + fmt::kKeyWidthOffset, static_cast<std::uint32_t>(width));
    putFixed32(out.data() + fmt::kEntryCountOffset, static_cast<std::uint32_t>(entries.size()));
    for (const auto& [key, row] : entries) {
        out.insert(out.end(), key.begin(), key.end());
        out.resize(out.size() + width - key.size(), 0);
        appendFixed32(out, row);
    }
    std::optional<File> file = File::create(path);
    return file && file->writeAt(0, out.data(), out.size()) && file->close();
}

SpellingKeyFile::SpellingKeyFile(const std::string& path, std::uint32_t stamp, std::int32_t rowCount)
    : file_(File::open(path, File::Access::ReadOnly)), rowCount_(rowCount) {
    std::array<std::uint8_t, fmt::kHeaderSize> header{};
    if (!file_ || rowCount < 0 || !file_->readExactAt(0, header.data(), header.size())) return;
    const std::string_view magic(reinterpret_cast<const char*>(header.data()) + fmt::kMagicOffset,
                                 fmt::kMagic.size());
    if (magic != fmt::kMagic || getFixed32(header.data() + fmt::kStampOffset) != stamp) return;
    if (getFixed32(header.data() + fmt::kRowCountOffset) != static_cast<std::uint32_t>(rowCount)) return;
    width_ = getFixed32(header.data() + fmt::kKeyWidthOffset);
    entries_ = getFixed32(header.data() + fmt::kEntryCountOffset);
    if (width_ == 0 || width_ > fmt::kWidestKey || entries_ > static_cast<std::uint32_t>(rowCount)) return;
    const std::optional<std::uint64_t> size = file_->size();
    usable_ = size && *size == fmt::entryOffset(width_, entries_);
    entry_.resize(width_ + fmt::kRowNumberSize);
}

bool SpellingKeyFile::readEntry(std::uint32_t i, std::string& key, std::int32_t& row) {
    if (i >= entries_ || !file_->readExactAt(fmt::entryOffset(width_, i), entry_.data(), entry_.size()))
        return false;
    const auto* bytes = reinterpret_cast<const char*>(entry_.data());
    key.assign(bytes, std::find(bytes, bytes + width_, '\0'));
    const std::uint32_t number = getFixed32(entry_.data() + width_);
    if (number < 1 || number > static_cast<std::uint32_t>(rowCount_)) return false;
    row = static_cast<std::int32_t>(number);
    return true;
}

std::optional<std::vector<std::int32_t>> SpellingKeyFile::rowsOf(std::string_view key) {
    if (!usable_) return std::nullopt;
    std::string entryKey;
    std::int32_t row = 0;
    // The first entry not below `key`.
    std::uint32_t low = 0, high = entries_;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        if (!readEntry(middle, entryKey, row)) return std::nullopt;
        if (entryKey < key)
            low = middle + 1;
        else
            high = middle;
    }
    std::vector<std::int32_t> rows;
    for (std::uint32_t i = low; i < entries_; ++i) {
        if (!readEntry(i, entryKey, row)) return std::nullopt;
        if (entryKey != key) break;
        // The rows of a key ascend, each once; anything else is a damaged file.
        if (!rows.empty() && row <= rows.back()) return std::nullopt;
        rows.push_back(row);
    }
    return rows;
}

}  // namespace tessla
