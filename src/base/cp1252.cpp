#include "base/cp1252.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace tessla {
namespace {

// The characters of the bytes 0x80 … 0x9F; the unassigned bytes keep their own number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t characterOf(std::uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::optional<std::uint8_t> byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<std::uint8_t>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) return static_cast<std::uint8_t>(0x80 + i);
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at `pos`, advancing `pos`; nothing when the bytes there are not
// well-formed UTF-8 (overlong forms, surrogates and values above U+10FFFF included).
std::optional<char32_t> decodeUtf8(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(s[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4 || s.size() - pos <= static_cast<std::size_t>(extra)) return std::nullopt;
    char32_t c = lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto next = static_cast<std::uint8_t>(s[pos + k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    pos += static_cast<std::size_t>(extra) + 1;
    return c;
}

}  // namespace

Utf8 cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char b : bytes) appendUtf8(out, characterOf(static_cast<std::uint8_t>(b)));
    return Utf8(std::move(out));
}

std::string Cp1252Error::message() const {
    char text[96];
    if (malformedUtf8) {
        std::snprintf(text, sizeof text, "invalid UTF-8 at byte %zu", offset);
    } else {
        std::snprintf(text, sizeof text, "character U+%04X at byte %zu cannot be written in Windows-1252",
                      static_cast<unsigned>(codePoint), offset);
    }
    return text;
}

std::optional<std::string> utf8ToCp1252(Utf8View text, Cp1252Error* error) {
    const std::string_view utf8 = text.view();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const auto c = decodeUtf8(utf8, pos);
        const auto byte = c ? byteOf(*c) : std::nullopt;
        if (!byte) {
            if (error) *error = Cp1252Error{start, c.value_or(0), !c.has_value()};
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

}  // namespace tessla
