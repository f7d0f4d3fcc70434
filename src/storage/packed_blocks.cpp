#include "storage/packed_blocks.h"

#include "storage/blob_format.h"

namespace tessla {

PackedBlockReader::PackedBlockReader(TCompress& codec, MessageSink* sink, std::string component)
    : codec_(codec), sink_(sink), component_(std::move(component)) {}

void PackedBlockReader::attach(const File& data, const Tsppeklista& directory, std::uint32_t maxPlainSize) {
    data_ = &data;
    directory_ = &directory;
    maxPlainSize_ = maxPlainSize;
    cached_ = -1;
}

void PackedBlockReader::detach() {
    data_ = nullptr;
    directory_ = nullptr;
    cached_ = -1;
    packed_ = MemoryStream();
    plain_ = MemoryStream();
}

std::optional<std::span<const std::uint8_t>> PackedBlockReader::block(std::int32_t b) {
    if (b < 0 || data_ == nullptr || directory_ == nullptr) return std::nullopt;
    if (b != cached_ && !load(b)) return std::nullopt;
    return plain_.bytes();
}

bool PackedBlockReader::load(std::int32_t b) {
    cached_ = -1;
    const std::uint32_t offset = directory_->hamta(b + 1);
    const auto fileSize = data_->size();
    std::uint8_t lengthWord[4];
    if (offset == blob_format::kNoEntry || !fileSize || !data_->readExactAt(offset, lengthWord, 4)) {
        reportOnce("block " + std::to_string(b) + " is missing");
        return false;
    }
    const std::uint32_t length = getFixed32(lengthWord);
    // A packed block never exceeds its plain size by more than one header.
    if (length > *fileSize - offset - 4 || length > std::uint64_t{maxPlainSize_} + 64) {
        reportOnce("block " + std::to_string(b) + " has a length beyond its file");
        return false;
    }
    packed_.setSize(0);
    packed_.seek(0);
    if (!data_->readExactAt(offset + 4, packed_.reserveTail(length), length)) {
        reportOnce("block " + std::to_string(b) + " cannot be read");
        return false;
    }
    packed_.commitTail(length);
    packed_.seek(0);
    plain_.setSize(0);
    plain_.seek(0);
    codec_.setMaxPlainSize(maxPlainSize_);
    try {
        codec_.ExpandStream(plain_, packed_);
    } catch (const std::exception& error) {
        reportOnce("block " + std::to_string(b) + ": " + error.what());
        return false;
    }
    cached_ = b;
    return true;
}

void PackedBlockReader::reportOnce(const std::string& what) {
    if (reported_) return;
    reported_ = true;
    report(sink_, component_ + ": " + what);
}

bool appendPackedBlock(TCompress& codec, File& data, std::uint64_t& end, Tsppeklista& directory,
                       std::span<const std::uint8_t> plain) {
    MemoryStream source(plain);
    MemoryStream packed;
    codec.CompressStream(packed, source, TCompMethod::Lh5);
    const auto bytes = packed.bytes();
    std::uint8_t lengthWord[4];
    putFixed32(lengthWord, static_cast<std::uint32_t>(bytes.size()));
    if (end > UINT32_MAX || !data.writeAt(end, lengthWord, 4) ||
        !data.writeAt(end + 4, bytes.data(), bytes.size())) {
        return false;
    }
    if (directory.laggtill(static_cast<std::uint32_t>(end)) < 0) return false;
    end += 4 + bytes.size();
    return true;
}

}  // namespace tessla
