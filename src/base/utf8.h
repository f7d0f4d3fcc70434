#pragma once

// A text known to be UTF-8. The core's own texts are Windows-1252 bytes in a plain std::string;
// UTF-8 belongs to the edges: the census CSV and the help files read, the command line, the
// widgets and the clipboard, the files written for other programs. Where the two meet, the UTF-8
// side is one of these types, so that neither can be passed for the other without a conversion
// (base/cp1252.h) or a deliberate `str()`.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace tessla {

class Utf8 {
  public:
    Utf8() = default;
    // `text` is taken to be UTF-8 as it is; the conversions check what they convert.
    explicit Utf8(std::string text) : text_(std::move(text)) {}

    const std::string& str() const& { return text_; }
    // A temporary's text is moved out, so that `cp1252ToUtf8(x).str()` may be kept or looped over.
    std::string str() && { return std::move(text_); }
    bool empty() const { return text_.empty(); }
    friend bool operator==(const Utf8&, const Utf8&) = default;

  private:
    std::string text_;
};

// A UTF-8 text to read, valid while what it was made from lives: made from a Utf8, from a string
// literal of our sources (which are UTF-8), or explicitly from bytes the caller knows to be UTF-8.
class Utf8View {
  public:
    constexpr explicit Utf8View(std::string_view text) : text_(text) {}
    Utf8View(const Utf8& text) : text_(text.str()) {}  // NOLINT: a Utf8 is always one
    template <std::size_t N>
    constexpr Utf8View(const char (&literal)[N]) : text_(literal) {}  // NOLINT: as above

    constexpr std::string_view view() const { return text_; }

  private:
    std::string_view text_;
};

}  // namespace tessla
