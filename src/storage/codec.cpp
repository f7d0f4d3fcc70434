#include "storage/codec.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <numeric>
#include <optional>

#include "storage/codec_methods.h"
#include "storage/packed_block_format.h"

namespace tessla {

namespace {

namespace fmt = packed_block;
using codec::Bytes;
using Header = std::array<std::uint8_t, fmt::kHeaderSize>;

// Sets the elapsed time of the operation under way when it ends, however it ends.
class Stopwatch {
  public:
    explicit Stopwatch(std::int64_t& elapsedMs) : elapsedMs_(elapsedMs) {}
    ~Stopwatch() {
        elapsedMs_ = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
    }

  private:
    using Clock = std::chrono::steady_clock;
    std::int64_t& elapsedMs_;
    Clock::time_point start_ = Clock::now();
};

std::uint32_t byteSum(std::span<const std::uint8_t> bytes) {
    return std::accumulate(bytes.begin(), bytes.end(), std::uint32_t{0});
}

bool startsWithMagic(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= fmt::kMagic.size() &&
           std::equal(fmt::kMagic.begin(), fmt::kMagic.end(), bytes.begin());
}

// Percentage of a to b in signed 32-bit integer arithmetic, the large case dividing b first.
int percentage(std::int64_t a, std::int64_t b) {
    return static_cast<int>(b <= 100000 ? a * 100 / b : a / (b / 100));
}

std::optional<TCompMethod> methodById(std::span<const std::uint8_t> id) {
    for (std::size_t m = 0; m < fmt::kMethodIds.size(); ++m) {
        if (std::equal(id.begin(), id.end(), fmt::kMethodIds[m].begin())) return static_cast<TCompMethod>(m);
    }
    return std::nullopt;
}

Header makeHeader(TCompMethod method, std::uint32_t plainSize, std::uint32_t checksum) {
    Header header{};
    std::copy(fmt::kMagic.begin(), fmt::kMagic.end(), header.begin() + fmt::kMagicOffset);
    const auto& id = fmt::kMethodIds[static_cast<int>(method)];
    std::copy(id.begin(), id.end(), header.begin() + fmt::kMethodOffset);
    fmt::putFixed32(header, fmt::kPlainSizeOffset, plainSize);
    header[fmt::kArchiveTypeOffset] = fmt::kSingleStream;
    fmt::putFixed32(header, fmt::kChecksumOffset, checksum);
    fmt::putFixed32(header, fmt::kLockOffset, 0);
    return header;
}

// The bytes of source from its position to its end: in place for a memory stream, else read into held.
std::span<const std::uint8_t> bytesOf(Stream& source, std::uint64_t count, Bytes& held) {
    if (MemoryStream* memory = source.asMemory()) {
        std::span<const std::uint8_t> rest = memory->rest().first(count);
        memory->seek(memory->position() + count);
        return rest;
    }
    held.resize(count);
    if (source.read(held.data(), count) != count) throw StreamError("codec: source stream ends early");
    return held;
}

// Runs decode(out) with out having room for room bytes, and appends what it wrote to dest; in place when
// dest is a memory stream positioned at its end. Returns the sum of the bytes written.
template <class Decode>
std::uint32_t decodeInto(Stream& dest, std::size_t room, Decode decode) {
    MemoryStream* memory = dest.asMemory();
    if (memory && memory->position() == memory->size()) {
        std::uint8_t* out = memory->reserveTail(room);
        std::size_t written = decode(out);
        memory->commitTail(written);
        return byteSum({out, written});
    }
    Bytes out(room);
    out.resize(decode(out.data()));
    dest.writeAll(out);
    return byteSum(out);
}

// Expands payload with method, appending the plain bytes to dest; returns their sum.
std::uint32_t expandPayload(Stream& dest, TCompMethod method, std::span<const std::uint8_t> payload,
                            std::uint32_t plainSize) {
    std::size_t room = std::size_t{plainSize} + codec::kDecodeSlack;
    switch (method) {
        case TCompMethod::Non:
            dest.writeAll(payload);
            return byteSum(payload);
        case TCompMethod::Rle: {
            Bytes plain;
            codec::decodeRle(payload, plain);
            dest.writeAll(plain);
            return byteSum(plain);
        }
        case TCompMethod::Lzh:
            return decodeInto(dest, room,
                              [&](std::uint8_t* out) { return codec::decodeLzh(payload, out, plainSize); });
        case TCompMethod::Lh5:
            return decodeInto(dest, room,
                              [&](std::uint8_t* out) { return codec::decodeLh5(payload, out, plainSize); });
        case TCompMethod::Cus:
            break;
    }
    return 0;
}

}  // namespace

void TCompress::ExpandStream(Stream& dest, Stream& source) {
    Stopwatch stopwatch(lastElapsedMs_);
    std::uint64_t start = source.position();
    std::uint64_t rest = source.size() > start ? source.size() - start : 0;
    Header header;
    if (rest <= fmt::kHeaderSize || source.read(header.data(), header.size()) != header.size() ||
        !startsWithMagic(header)) {
        source.seek(start);
        dest.copyFrom(source, rest);
        return;
    }
    if (header[fmt::kArchiveTypeOffset] != fmt::kSingleStream) throw EInvalidHeaderArchiveType();
    std::span<const std::uint8_t> id = std::span(header).subspan(fmt::kMethodOffset, fmt::kMethodIdSize);
    std::optional<TCompMethod> method = methodById(id);
    if (!method) throw EUnrecognizedCompressionMethod(std::string(id.begin(), id.end()));
    std::uint32_t plainSize = fmt::getFixed32(header, fmt::kPlainSizeOffset);
    if (plainSize > maxPlainSize_) {
        throw ECorruptBlock("Plain size " + std::to_string(plainSize) +
                            " in compressed header exceeds the limit of " + std::to_string(maxPlainSize_) +
                            " bytes");
    }
    if (static_cast<std::int32_t>(fmt::getFixed32(header, fmt::kLockOffset)) > 0) throw EInvalidKey();
    std::uint32_t storedSum = fmt::getFixed32(header, fmt::kChecksumOffset);

    Bytes held;
    std::uint32_t sum =
        expandPayload(dest, *method, bytesOf(source, rest - fmt::kHeaderSize, held), plainSize);
    // A "NON" block with checksum 0 is unchecked; it is how a block without a checksum is marked.
    if (sum != storedSum && !(storedSum == 0 && *method == TCompMethod::Non)) throw EBadChecksum();
}

void TCompress::CompressStream(Stream& dest, Stream& source, TCompMethod method) {
    Stopwatch stopwatch(lastElapsedMs_);
    lastRatio_ = 100;
    if (method == TCompMethod::Cus) method = TCompMethod::Non;
    std::uint64_t plainSize = source.size();
    if (plainSize > UINT32_MAX)
        throw ECodecError("Block too large to pack: " + std::to_string(plainSize) + " bytes");
    source.seek(0);
    Bytes held;
    std::span<const std::uint8_t> plain = bytesOf(source, plainSize, held);
    if (plain.size() < fmt::kHeaderSize) method = TCompMethod::Non;

    Bytes payload;
    if (method != TCompMethod::Non) {
        try {
            payload = codec::encodePayload(method, plain, plain.size() - fmt::kHeaderSize);
        } catch (const EUnableToCompress&) {
            method = TCompMethod::Non;
        }
    }
    if (method == TCompMethod::Non) {
        // Stored raw, plain data that starts with the magic would be taken for a headed block when it is
        // longer than a header; it goes out as a headed "NON" block instead.
        if (!startsWithMagic(plain) || plain.size() <= fmt::kHeaderSize) {
            dest.writeAll(plain);
            return;
        }
        payload.assign(plain.begin(), plain.end());
    }
    Header header = makeHeader(method, static_cast<std::uint32_t>(plain.size()), byteSum(plain));
    dest.writeAll(header.data(), header.size());
    dest.writeAll(payload);
    lastRatio_ = percentage(payload.size() + fmt::kHeaderSize, plain.size());
}

namespace codec {

Bytes encodePayload(TCompMethod method, std::span<const std::uint8_t> plain, std::size_t budget) {
    switch (method) {
        case TCompMethod::Rle:
            return encodeRle(plain, budget);
        case TCompMethod::Lzh:
            return encodeLzh(plain, budget);
        case TCompMethod::Lh5:
            return encodeLh5(plain, budget);
        case TCompMethod::Non:
        case TCompMethod::Cus:
            break;
    }
    if (plain.size() > budget) throw EUnableToCompress();
    return Bytes(plain.begin(), plain.end());
}

Bytes decodePayload(TCompMethod method, std::span<const std::uint8_t> payload, std::uint32_t plainSize) {
    Bytes plain;
    switch (method) {
        case TCompMethod::Non:
            plain.assign(payload.begin(), payload.end());
            break;
        case TCompMethod::Rle:
            decodeRle(payload, plain);
            break;
        case TCompMethod::Lzh:
            plain.resize(std::size_t{plainSize} + kDecodeSlack);
            plain.resize(decodeLzh(payload, plain.data(), plainSize));
            break;
        case TCompMethod::Lh5:
            plain.resize(std::size_t{plainSize} + kDecodeSlack);
            plain.resize(decodeLh5(payload, plain.data(), plainSize));
            break;
        case TCompMethod::Cus:
            break;
    }
    return plain;
}

}  // namespace codec

}  // namespace tessla
