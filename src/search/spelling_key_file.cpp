#include "search/spelling_key_file.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "search/spelling_key.h"

namespace tessla {

namespace {

constexpr std::string_view kMagic = "TSKY";
constexpr std::uint32_t kHeaderSize = 20;
// Longer keys than this are no names; a header that claims them is damaged.
constexpr std::uint32_t kWidestKey = 1024;

void putNumber(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

std::uint32_t numberAt(const char* bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

}  // namespace

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
    if (width > kWidestKey) return false;
    std::ranges::sort(entries);
    std::string out(kMagic);
    putNumber(out, stamp);
    putNumber(out, static_cast<std::uint32_t>(texts.size()));
    putNumber(out, static_cast<std::uint32_t>(width));
    putNumber(out, static_cast<std::uint32_t>(entries.size()));
    for (const auto& [key, row] : entries) {
        out += key;
        out.append(width - key.size(), '\0');
        putNumber(out, row);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file.flush());
}

SpellingKeyFile::SpellingKeyFile(const std::string& path, std::uint32_t stamp, std::int32_t rowCount)
    : file_(path, std::ios::binary), rowCount_(rowCount) {
    std::array<char, kHeaderSize> header{};
    if (!file_.read(header.data(), header.size())) return;
    if (std::string_view(header.data(), kMagic.size()) != kMagic || numberAt(&header[4]) != stamp) return;
    if (numberAt(&header[8]) != static_cast<std::uint32_t>(rowCount)) return;
    width_ = numberAt(&header[12]);
    entries_ = numberAt(&header[16]);
    if (width_ == 0 || width_ > kWidestKey || entries_ > static_cast<std::uint32_t>(rowCount)) return;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    usable_ = !error && size == kHeaderSize + std::uintmax_t{entries_} * (width_ + 4);
}

bool SpellingKeyFile::readEntry(std::uint32_t i, std::string& key, std::int32_t& row) {
    std::string bytes(width_ + 4, '\0');
    file_.seekg(static_cast<std::streamoff>(kHeaderSize + std::uint64_t{i} * (width_ + 4)));
    if (!file_.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return false;
    key.assign(bytes.data(), std::min<std::size_t>(width_, bytes.find('\0')));
    const std::uint32_t number = numberAt(&bytes[width_]);
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
