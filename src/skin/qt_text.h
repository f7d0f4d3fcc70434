#pragma once

// The one crossing between the core's Windows-1252 bytes and Qt's strings. Latin-1 is not
// Windows-1252 (0x80–0x9F differ), so every widget text goes through here.

#include <optional>
#include <string>
#include <string_view>

#include <QString>

namespace tessla {

QString toQString(std::string_view cp1252);

// The Windows-1252 bytes of `text`, or nothing when it holds a character Windows-1252 cannot
// hold.
std::optional<std::string> toCp1252(const QString& text);

}  // namespace tessla
