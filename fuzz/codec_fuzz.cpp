// Feeds arbitrary bytes to TCompress::ExpandStream, with the plain-size bound a database reader sets:
// once as a whole packed block, and once as the payload of a headed block whose method and plain size
// come from the first bytes, so that every decoder sees arbitrary payloads. Expansion must end, stay
// inside its buffers and either succeed or throw one of the codec's exceptions.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "storage/codec.h"
#include "storage/packed_block_format.h"
#include "storage/stream.h"

namespace {

constexpr std::uint32_t kMaxPlainSize = 1 << 20;

void expand(std::span<const std::uint8_t> block) {
    static tessla::TCompress compressor;
    compressor.setMaxPlainSize(kMaxPlainSize);
    tessla::MemoryStream source(block), dest;
    try {
        compressor.ExpandStream(dest, source);
    } catch (const tessla::ECodecError&) {
    }
}

// Input: method number (modulo 5), plain size (3 bytes, little-endian), then the payload.
std::vector<std::uint8_t> headedBlock(std::span<const std::uint8_t> data) {
    namespace fmt = tessla::packed_block;
    std::array<std::uint8_t, fmt::kHeaderSize> header{};
    std::copy(fmt::kMagic.begin(), fmt::kMagic.end(), header.begin());
    const auto& id = fmt::kMethodIds[data[0] % fmt::kMethodIds.size()];
    std::copy(id.begin(), id.end(), header.begin() + fmt::kMethodOffset);
    fmt::putFixed32(header, fmt::kPlainSizeOffset, data[1] | data[2] << 8 | (data[3] & 0x1F) << 16);
    std::vector<std::uint8_t> block(header.begin(), header.end());
    block.insert(block.end(), data.begin() + 4, data.end());
    return block;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    expand({data, size});
    if (size >= 4) expand(headedBlock({data, size}));
    return 0;
}
