#pragma once

// The 16- and 32-bit little-endian integers of every file format, read and written in one place.
// The get and put functions work on bytes the caller has already checked to be in range: p must
// point at 2 (16-bit) or 4 (32-bit) bytes that may be read or written.

#include <cstdint>
#include <vector>

namespace tessla {

inline std::uint16_t getFixed16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline std::uint32_t getFixed32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline void putFixed16(std::uint8_t* p, std::uint16_t value) {
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void putFixed32(std::uint8_t* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Appends value's 2 or 4 bytes to `bytes`.
inline void appendFixed16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
    bytes.resize(bytes.size() + 2);
    putFixed16(bytes.data() + bytes.size() - 2, value);
}

inline void appendFixed32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    bytes.resize(bytes.size() + 4);
    putFixed32(bytes.data() + bytes.size() - 4, value);
}

}  // namespace tessla
