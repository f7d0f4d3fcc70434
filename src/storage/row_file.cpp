#include "storage/row_file.h"

#include <algorithm>
#include <cstring>

#include "storage/little_endian.h"
#include "storage/sorted_search.h"
#include "storage/word_list_format.h"

namespace tessla {

namespace fmt = word_list_format;

std::string_view rowText(std::span<const std::uint8_t> row) {
    if (row.size() <= fmt::kTextOffset) return {};
    const auto* text = reinterpret_cast<const char*>(row.data() + fmt::kTextOffset);
    const std::size_t room = row.size() - fmt::kTextOffset;
    return {text, strnlen(text, room)};
}

Tspindexblobfil::Tspindexblobfil(TCompress& codec, MessageSink* sink, std::string component)
    : codec_(codec), sink_(sink), blocks_(codec, sink, std::move(component)) {}

void Tspindexblobfil::setHash(std::int32_t capacity) {
    memo_.reset();
    if (capacity < 1) return;
    memo_ = std::make_unique<Tsphash>();
    memo_->SetCapacity(capacity);
    memo_->setOrder(order_);
}

void Tspindexblobfil::setNewShape(std::int32_t rowLength, std::int32_t capacity) {
    newRowLength_ = rowLength;
    newCapacity_ = capacity;
}

void Tspindexblobfil::setPacked(Tsppeklista* directory, std::uint16_t rowsPerBlock) {
    directory_ = rowsPerBlock > 0 ? directory : nullptr;
    rowsPerBlock_ = rowsPerBlock;
}

bool Tspindexblobfil::oppna(bool ny) {
    stang();
    errorCode_ = kNoError;
    switch (openOrCreate(path(), ny, readOnly(), file_)) {
        case Opening::Opened:
            if (!readHeader()) {
                file_.close();
                report(sink_, "4");
                return false;
            }
            break;
        case Opening::Created:
            rowCount_ = 0;
            capacity_ = newCapacity_;
            headerSize_ = static_cast<std::int32_t>(fmt::kHeaderSize);
            rowLength_ = newRowLength_;
            if (!writeHeader()) {
                file_.close();
                errorCode_ = kOpenFailed;
                return false;
            }
            break;
        case Opening::OpenFailed:
            errorCode_ = kOpenFailed;
            report(sink_, "4");
            return false;
        case Opening::CreateFailed:
            errorCode_ = kOpenFailed;
            return false;
    }
    if (directory_ != nullptr) {
        blocks_.attach(file_, *directory_,
                       static_cast<std::uint32_t>(rowsPerBlock_) * static_cast<std::uint32_t>(rowLength_));
        end_ = file_.size().value_or(0);
    }
    plainRows_ = 0;
    seedMemo();
    return true;
}

bool Tspindexblobfil::readHeader() {
    std::uint8_t header[fmt::kHeaderSize];
    if (!file_.readExactAt(0, header, sizeof header)) {
        errorCode_ = kOpenFailed;
        return false;
    }
    const std::uint32_t rows = getFixed32(header + fmt::kRowCountOffset);
    const std::uint32_t capacity = getFixed32(header + fmt::kCapacityOffset);
    const std::uint32_t headerSize = getFixed32(header + fmt::kHeaderSizeOffset);
    const std::uint32_t rowLength = getFixed32(header + fmt::kRowLengthOffset);
    const bool shapeOk = rowLength > fmt::kTextOffset && rowLength <= fmt::kRowLengthMax &&
                         headerSize >= fmt::kHeaderSize && headerSize <= file_.size().value_or(0) &&
                         rows <= INT32_MAX && capacity <= INT32_MAX;
    if (!shapeOk) {
        errorCode_ = kOpenFailed;
        return false;
    }
    if (rows > capacity) {
        errorCode_ = kTooManyRows;
        return false;
    }
    if (!rowsFit(rows, headerSize, rowLength)) {
        errorCode_ = kOpenFailed;
        return false;
    }
    rowCount_ = static_cast<std::int32_t>(rows);
    capacity_ = static_cast<std::int32_t>(capacity);
    headerSize_ = static_cast<std::int32_t>(headerSize);
    rowLength_ = static_cast<std::int32_t>(rowLength);
    return true;
}

// The rows a header counts must be in the file: plain rows after the header, packed rows in the
// blocks the directory lists. This keeps a damaged count from sizing selections of gigabytes.
bool Tspindexblobfil::rowsFit(std::uint64_t rows, std::uint64_t headerSize, std::uint64_t rowLength) const {
    if (directory_ != nullptr) {
        const auto blocks = static_cast<std::uint64_t>(std::max(directory_->count(), 0));
        return rows <= blocks * rowsPerBlock_;
    }
    return headerSize + rows * rowLength <= file_.size().value_or(0);
}

bool Tspindexblobfil::writeHeader() {
    std::uint8_t header[fmt::kHeaderSize] = {};
    putFixed32(header + fmt::kRowCountOffset, static_cast<std::uint32_t>(rowCount_));
    putFixed32(header + fmt::kCapacityOffset, static_cast<std::uint32_t>(capacity_));
    putFixed32(header + fmt::kHeaderSizeOffset, static_cast<std::uint32_t>(headerSize_));
    putFixed32(header + fmt::kRowLengthOffset, static_cast<std::uint32_t>(rowLength_));
    return file_.writeAt(0, header, sizeof header);
}

void Tspindexblobfil::seedMemo() {
    if (!memo_ || memo_->count() != 0 || rowCount_ < 101) return;
    for (const std::int32_t n : {rowCount_ / 4, rowCount_ / 2, (rowCount_ / 4) * 3}) {
        if (const auto row = lasrad(n)) memo_->Add(rowText(*row), n);
    }
}

bool Tspindexblobfil::stang() {
    if (!file_.isOpen()) return true;
    bool written = true;
    if (changed_) {
        written = pending_.empty() || flushBlock();
        written = writeHeader() && written;
        changed_ = false;
    }
    file_.close();
    blocks_.detach();
    pending_.clear();
    rowCount_ = 0;
    lastRow_ = -1;
    return written;
}

std::optional<std::span<const std::uint8_t>> Tspindexblobfil::lasrad(std::int32_t n) {
    if (!file_.isOpen() || n < 1 || n > rowCount_) return std::nullopt;
    const auto length = static_cast<std::size_t>(rowLength_);
    const auto index = static_cast<std::uint64_t>(n - 1);
    std::span<const std::uint8_t> row;
    if (directory_ != nullptr) {
        const auto block = blocks_.block(static_cast<std::int32_t>(index / rowsPerBlock_));
        const std::size_t at = static_cast<std::size_t>(index % rowsPerBlock_) * length;
        if (!block || block->size() < at + length) return std::nullopt;
        row = block->subspan(at, length);
    } else {
        const auto plain = readPlainRow(n);
        if (!plain) return std::nullopt;
        row = *plain;
    }
    lastRow_ = n;
    return row;
}

std::optional<std::span<const std::uint8_t>> Tspindexblobfil::readPlainRow(std::int32_t n) {
    constexpr std::size_t kReadAheadBytes = 64 * 1024;
    const auto length = static_cast<std::size_t>(rowLength_);
    const auto at = static_cast<std::uint64_t>(headerSize_) + static_cast<std::uint64_t>(n - 1) * length;
    if (const auto mapped = file_.view(at, length)) return mapped;
    if (n < plainFirst_ || n >= plainFirst_ + plainRows_) {
        const std::int32_t ahead =
            n == lastRow_ + 1 ? static_cast<std::int32_t>(std::max<std::size_t>(kReadAheadBytes / length, 1))
                              : 1;
        const std::int32_t rows = std::min(ahead, rowCount_ - n + 1);
        plain_.resize(static_cast<std::size_t>(rows) * length);
        plainRows_ = 0;
        if (!file_.readExactAt(at, plain_.data(), plain_.size())) return std::nullopt;
        plainFirst_ = n;
        plainRows_ = rows;
    }
    return std::span<const std::uint8_t>(plain_).subspan(static_cast<std::size_t>(n - plainFirst_) * length,
                                                         length);
}

std::int32_t Tspindexblobfil::sok(std::string_view key, bool prefix) {
    key = key.substr(0, std::min(key.size(), kSearchKeyMax));
    return searchSorted(rowCount_, key, memo_.get(), [&](std::int32_t n) {
        const auto row = lasrad(n);
        // A row that cannot be read compares as lying above the key.
        if (!row) return -1;
        const std::string_view text = rowText(*row);
        return prefix ? CollCompareN(key, text, key.size(), order_) : CollCompare(key, text, order_);
    });
}

bool Tspindexblobfil::laggtillrad(std::span<const std::uint8_t> row) {
    if (!file_.isOpen() || row.size() != static_cast<std::size_t>(rowLength_) || rowCount_ >= capacity_) {
        return false;
    }
    if (directory_ != nullptr) {
        pending_.insert(pending_.end(), row.begin(), row.end());
        if (pending_.size() == static_cast<std::size_t>(rowsPerBlock_) * row.size() && !flushBlock())
            return false;
    } else {
        const auto at =
            static_cast<std::uint64_t>(headerSize_) + static_cast<std::uint64_t>(rowCount_) * row.size();
        if (!file_.writeAt(at, row.data(), row.size())) return false;
    }
    ++rowCount_;
    changed_ = true;
    return true;
}

bool Tspindexblobfil::flushBlock() {
    const bool written = appendPackedBlock(codec_, file_, end_, *directory_, pending_);
    pending_.clear();
    return written;
}

}  // namespace tessla
