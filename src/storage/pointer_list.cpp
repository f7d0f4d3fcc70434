#include "storage/pointer_list.h"

#include <algorithm>
#include <array>
#include <limits>

#include "storage/blob_format.h"

namespace tessla {

using namespace blob_format;

bool Tsppeklista::oppna(bool ny) {
    if (mode_ == Mode::Memory) return false;
    stang();
    errorCode_ = kNoError;
    switch (openOrCreate(path(), ny, readOnly(), file_)) {
        case Opening::OpenFailed:
            errorCode_ = kOpenFailed;
            return false;
        case Opening::CreateFailed:
            errorCode_ = kCreateFailed;
            return false;
        case Opening::Created:
            count_ = 0;
            if (mode_ == Mode::Loaded) entries_.assign(static_cast<std::size_t>(capacity_), 0);
            if (!writeBack()) {
                file_.close();
                errorCode_ = kCreateFailed;
                return false;
            }
            open_ = true;
            changed_ = true;
            return true;
        case Opening::Opened:
            if (!readHeader() || (mode_ == Mode::Loaded && !loadEntries())) {
                file_.close();
                count_ = 0;
                errorCode_ = kOpenFailed;
                return false;
            }
            open_ = true;
            changed_ = false;
            return true;
    }
    return false;
}

bool Tsppeklista::readHeader() {
    std::array<std::uint8_t, kPointerListHeaderSize> header{};
    std::optional<std::uint64_t> size = file_.size();
    if (!size || !file_.readExactAt(0, header.data(), header.size())) return false;
    std::uint32_t count = getFixed32(header.data() + kPointerListCountOffset);
    std::uint64_t held = (*size - kPointerListHeaderSize) / kPointerListEntrySize;
    if (count > held || count > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
        return false;
    count_ = static_cast<std::int32_t>(count);
    return true;
}

bool Tsppeklista::loadEntries() {
    auto count = static_cast<std::size_t>(count_);
    if (readOnly()) {
        capacity_ = count_;
        entries_.assign(count, 0);
    } else if (entries_.size() < count) {
        entries_.resize(count);
        capacity_ = std::max(capacity_, count_);
    }
    auto* bytes = reinterpret_cast<std::uint8_t*>(entries_.data());
    if (!file_.readExactAt(kPointerListHeaderSize, bytes, count * kPointerListEntrySize)) return false;
    for (std::size_t k = 0; k < count; ++k) entries_[k] = getFixed32(bytes + k * kPointerListEntrySize);
    return true;
}

bool Tsppeklista::writeBack() {
    std::array<std::uint8_t, kPointerListHeaderSize> header{};
    putFixed16(header.data() + kPointerListModeOffset, static_cast<std::uint16_t>(mode_));
    putFixed32(header.data() + kPointerListCountOffset, static_cast<std::uint32_t>(count_));
    putFixed32(header.data() + kPointerListCapacityOffset, static_cast<std::uint32_t>(capacity_));
    if (!file_.writeAt(0, header.data(), header.size())) return false;
    // An array that no longer holds every entry (after tom or a smaller dimensionera) leaves the
    // entries on file as they are.
    if (mode_ != Mode::Loaded || entries_.size() < static_cast<std::size_t>(count_)) return true;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count_) * kPointerListEntrySize);
    for (std::size_t k = 0; k < static_cast<std::size_t>(count_); ++k)
        putFixed32(bytes.data() + k * kPointerListEntrySize, entries_[k]);
    return file_.writeAt(kPointerListHeaderSize, bytes.data(), bytes.size()) &&
           file_.truncate(kPointerListHeaderSize + bytes.size());
}

bool Tsppeklista::stang() {
    if (!open_) return true;
    const bool written = !changed_ || writeBack();
    file_.close();
    open_ = false;
    changed_ = false;
    count_ = 0;
    if (mode_ == Mode::Loaded) tom();
    return written;
}

std::uint64_t Tsppeklista::entryOffset(std::int32_t i) const {
    return kPointerListHeaderSize + static_cast<std::uint64_t>(i - 1) * kPointerListEntrySize;
}

std::uint32_t Tsppeklista::hamta(std::int32_t i) const {
    if (i < 1 || i > count_) return kNoEntry;
    if (mode_ != Mode::PerEntry)
        return static_cast<std::size_t>(i) <= entries_.size() ? entries_[i - 1] : kNoEntry;
    std::array<std::uint8_t, kPointerListEntrySize> entry{};
    if (!open_ || !file_.readExactAt(entryOffset(i), entry.data(), entry.size())) return kNoEntry;
    return getFixed32(entry.data());
}

std::int32_t Tsppeklista::laggtill(std::uint32_t v) {
    if (count_ >= capacity_) return -1;
    std::int32_t i = count_ + 1;
    if (mode_ == Mode::PerEntry) {
        std::array<std::uint8_t, kPointerListEntrySize> entry{};
        putFixed32(entry.data(), v);
        if (!open_ || !file_.writeAt(entryOffset(i), entry.data(), entry.size())) return -1;
    } else {
        if (static_cast<std::size_t>(i) > entries_.size()) return -1;
        entries_[i - 1] = v;
    }
    count_ = i;
    changed_ = true;
    return count_;
}

void Tsppeklista::dimensionera(std::int32_t n) {
    capacity_ = n < 0 ? 0 : n;
    if (mode_ != Mode::PerEntry) entries_.assign(static_cast<std::size_t>(capacity_), 0);
}

}  // namespace tessla
