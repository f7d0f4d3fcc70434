#include "storage/text_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "storage/blob_format.h"
#include "storage/collation.h"
#include "storage/sorted_search.h"
#include "storage/text_base_format.h"

namespace tessla {

using namespace text_base_format;
using blob_format::kNoEntry;

namespace {

using RecordHeader = std::array<std::uint8_t, kRecordHeaderSize>;

RecordHeader recordHeader(std::int32_t number, std::size_t length) {
    RecordHeader header{};
    putFixed32(header.data() + kRecordNumberOffset, static_cast<std::uint32_t>(number));
    putFixed32(header.data() + kRecordLengthOffset, static_cast<std::uint32_t>(length));
    return header;
}

}  // namespace

Tspblobfil::Tspblobfil(TCompress& codec, MessageSink* sink, std::string component)
    : codec_(codec), blocks_(codec, sink, std::move(component)) {}

void Tspblobfil::setBlockPacked(Tsppeklista& directory, std::uint16_t perBlock) {
    directory_ = &directory;
    perBlock_ = perBlock;
}

void Tspblobfil::setHash(std::int32_t capacity) {
    if (capacity < 1) {
        memo_.reset();
        return;
    }
    memo_.emplace();
    memo_->SetCapacity(capacity);
}

void Tspblobfil::buffert(std::int32_t size) {
    bufferSize_ = static_cast<std::size_t>(std::max(size, 0));
}

bool Tspblobfil::oppna(bool ny) {
    stang();
    status_ = kNoBuffer;
    writesOk_ = true;
    if (packed() && perBlock_ == 0) return false;
    switch (openOrCreate(path_, ny, readOnly_, file_)) {
        case Opening::Opened:
            if (!readHeader()) file_.close();
            break;
        case Opening::Created:
            count_ = 0;
            if (!writeHeader()) file_.close();
            break;
        case Opening::OpenFailed:
        case Opening::CreateFailed:
            break;
    }
    const std::optional<std::uint64_t> size = file_.size();
    if (!size) {
        file_.close();
        count_ = 0;
        return false;
    }
    end_ = *size;
    buffer_.assign(bufferSize_, 0);
    scratch_.assign(bufferSize_, 0);
    length_ = 0;
    if (packed()) {
        // No block holds more than perBlock areas of records that fit the buffer.
        const std::uint64_t largest = std::uint64_t{perBlock_} * (bufferSize_ + kRecordHeaderSize);
        blocks_.attach(file_, *directory_,
                       static_cast<std::uint32_t>(std::min<std::uint64_t>(largest, UINT32_MAX)));
    }
    seedMemo();
    return true;
}

bool Tspblobfil::readHeader() {
    std::array<std::uint8_t, kHeaderSize> header{};
    if (!file_.readExactAt(0, header.data(), header.size())) return false;
    const std::uint32_t count = getFixed32(header.data() + kRecordCountOffset);
    if (count > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) return false;
    kind_ = getFixed16(header.data() + kFileKindOffset);
    count_ = static_cast<std::int32_t>(count);
    return true;
}

bool Tspblobfil::writeHeader() {
    std::array<std::uint8_t, kHeaderSize> header{};
    putFixed16(header.data() + kFileKindOffset, kind_);
    putFixed32(header.data() + kRecordCountOffset, static_cast<std::uint32_t>(count_));
    putFixed32(header.data() + kHeaderSizeOffset, kHeaderSize);
    return file_.writeAt(0, header.data(), header.size());
}

void Tspblobfil::seedMemo() {
    if (!memo_ || memo_->count() != 0 || count_ < 101) return;
    const std::int32_t quarter = count_ / 4;
    for (const std::int32_t n : {quarter, count_ / 2, quarter * 3}) {
        if (laspost(n) == kRead) memo_->Add(firstField(), n);
    }
}

void Tspblobfil::stang() {
    if (isOpen() && changed_) {
        if (packed() && !flushBlock()) writesOk_ = false;
        if (!writeHeader() || !file_.close()) writesOk_ = false;
    }
    blocks_.detach();
    file_.close();
    changed_ = false;
    count_ = 0;
    pending_ = {};
    pendingCount_ = 0;
    buffer_ = {};
    scratch_ = {};
    length_ = 0;
    recordEnd_.reset();
}

int Tspblobfil::laspost(std::int32_t n) {
    if (!isOpen()) return status_;
    if (buffer_.empty() || pointers_ == nullptr) return status_ = kNoBuffer;
    const std::uint32_t pointer = n >= 1 && n <= count_ ? pointers_->hamta(n) : kNoEntry;
    if (pointer == kNoEntry) return status_ = kNoRecord;
    status_ = packed() ? readPacked(n, pointer) : readPlain(pointer);
    return status_;
}

int Tspblobfil::readPlain(std::uint32_t pointer) {
    RecordHeader header{};
    if (!file_.readExactAt(pointer, header.data(), header.size())) return kNoRecord;
    const std::uint32_t length = getFixed32(header.data() + kRecordLengthOffset);
    if (length > buffer_.size()) return kTooLong;
    // Read aside, so that a record the file does not hold leaves the buffer as it was.
    if (!file_.readExactAt(std::uint64_t{pointer} + kRecordHeaderSize, scratch_.data(), length))
        return kNoRecord;
    buffer_.swap(scratch_);
    length_ = length;
    recordEnd_ = std::uint64_t{pointer} + kRecordHeaderSize + length;
    return kRead;
}

int Tspblobfil::readPacked(std::int32_t n, std::uint32_t pointer) {
    const std::optional<std::span<const std::uint8_t>> block = blocks_.block((n - 1) / perBlock_);
    if (!block || block->size() < kRecordHeaderSize || pointer > block->size() - kRecordHeaderSize) {
        return kNoRecord;
    }
    const std::span<const std::uint8_t> area = block->subspan(pointer);
    const std::uint32_t length = getFixed32(area.data() + kRecordLengthOffset);
    if (length > buffer_.size()) return kTooLong;
    if (length > area.size() - kRecordHeaderSize) return kNoRecord;
    std::memcpy(buffer_.data(), area.data() + kRecordHeaderSize, length);
    length_ = length;
    return kRead;
}

std::string_view Tspblobfil::firstField() const {
    if (length_ <= kLeadByteSize) return {};
    const auto* text = reinterpret_cast<const char*>(buffer_.data()) + kLeadByteSize;
    const std::size_t room = length_ - kLeadByteSize;
    return {text, static_cast<std::size_t>(std::find(text, text + room, '\0') - text)};
}

std::int32_t Tspblobfil::sokpost(std::string_view key, int mode) {
    if (!isOpen()) return -1;
    key = key.substr(0, kSearchKeyMax);
    auto compareAt = [&](std::int32_t n) {
        // A record that cannot be read matches nothing and brackets the search from above.
        if (laspost(n) != kRead) return -1;
        return mode == 1 ? CollCompareN(key, firstField(), key.size()) : CollCompare(key, firstField());
    };
    return searchSorted(count_, key, memo_ ? &*memo_ : nullptr, compareAt);
}

std::int32_t Tspblobfil::append(std::span<const std::uint8_t> data, std::span<const std::uint8_t> trailer) {
    if (!isOpen() || pointers_ == nullptr || data.size() > bufferSize_ ||
        count_ == std::numeric_limits<std::int32_t>::max() || (packed() && !trailer.empty())) {
        return -1;
    }
    const RecordHeader header = recordHeader(count_ + 1, data.size());
    if (!(packed() ? appendPacked(header, data) : appendPlain(header, data, trailer))) return -1;
    changed_ = true;
    return ++count_;
}

bool Tspblobfil::appendPlain(std::span<const std::uint8_t> header, std::span<const std::uint8_t> data,
                             std::span<const std::uint8_t> trailer) {
    // A pointer is 32-bit and 0xFFFFFFFF means no record.
    if (end_ >= kNoEntry) return false;
    const std::uint64_t dataAt = end_ + header.size();
    if (!file_.writeAt(end_, header.data(), header.size()) ||
        !file_.writeAt(dataAt, data.data(), data.size()) ||
        !file_.writeAt(dataAt + data.size(), trailer.data(), trailer.size())) {
        writesOk_ = false;
        return false;
    }
    if (pointers_->laggtill(static_cast<std::uint32_t>(end_)) < 0) return false;
    end_ = dataAt + data.size() + trailer.size();
    return true;
}

bool Tspblobfil::appendPacked(std::span<const std::uint8_t> header, std::span<const std::uint8_t> data) {
    // Record n must land in block (n − 1) div perBlock, so only a file whose blocks this object
    // wrote can grow.
    const std::size_t offset = pending_.size();
    if (count_ % perBlock_ != pendingCount_ || offset >= kNoEntry) return false;
    if (pointers_->laggtill(static_cast<std::uint32_t>(offset)) < 0) return false;
    pending_.insert(pending_.end(), header.begin(), header.end());
    pending_.insert(pending_.end(), data.begin(), data.end());
    return ++pendingCount_ < perBlock_ || flushBlock();
}

bool Tspblobfil::flushBlock() {
    if (pendingCount_ == 0) return true;
    bool ok = false;
    try {
        ok = appendPackedBlock(codec_, file_, end_, *directory_, pending_);
    } catch (const std::exception&) {
        ok = false;
    }
    pending_.clear();
    pendingCount_ = 0;
    if (!ok) writesOk_ = false;
    return ok;
}

}  // namespace tessla
