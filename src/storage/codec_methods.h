#pragma once

// The coders behind TCompress, one per method, working on whole payloads in memory. Encoders throw
// EUnableToCompress as soon as their payload would exceed the budget; decoders treat the payload as
// untrusted and throw a codec exception rather than read or write outside their buffers.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "storage/codec.h"

namespace tessla::codec {

using Bytes = std::vector<std::uint8_t>;

// Room a decoder of "LZH" or "LH5" needs beyond the plain size: a damaged stream's last copy may run up to
// 255 bytes past it (those bytes are output too), and copies are done in 8-byte steps.
inline constexpr std::size_t kDecodeSlack = 256 + 8;

// A method's bare payload, without header, raw-block fallback or checksum. plainSize is what the header
// would say; only "LZH" and "LH5" need it (callers bound it before it is allocated).
Bytes encodePayload(TCompMethod method, std::span<const std::uint8_t> plain, std::size_t budget);
Bytes decodePayload(TCompMethod method, std::span<const std::uint8_t> payload, std::uint32_t plainSize);

Bytes encodeRle(std::span<const std::uint8_t> plain, std::size_t budget);
Bytes encodeLzh(std::span<const std::uint8_t> plain, std::size_t budget);
Bytes encodeLh5(std::span<const std::uint8_t> plain, std::size_t budget);

// Appends the expansion of an "RLE" payload to out.
void decodeRle(std::span<const std::uint8_t> payload, Bytes& out);

// Decode until at least plainSize bytes are out, into out, which has room for plainSize + kDecodeSlack
// bytes; return the number of bytes written. Throw ECorruptBlock when the payload ends before, and
// (for "LH5") ELZHBadDecodeTable on code lengths that do not form a prefix code.
std::size_t decodeLzh(std::span<const std::uint8_t> payload, std::uint8_t* out, std::uint32_t plainSize);
std::size_t decodeLh5(std::span<const std::uint8_t> payload, std::uint8_t* out, std::uint32_t plainSize);

}  // namespace tessla::codec
