#pragma once

// The one crossing between the core's texts and Qt's strings: its Windows-1252 bytes and its UTF-8
// texts (base/utf8.h). Latin-1 is not Windows-1252 (0x80–0x9F differ), so every widget text goes
// through here.

#include <optional>
#include <string>
#include <string_view>

#include <QString>

#include "base/utf8.h"

namespace tessla {

QString toQString(std::string_view cp1252);
QString toQString(const Utf8& text);

// The Windows-1252 bytes of `text`, or nothing when it holds a character Windows-1252 cannot
// hold.
std::optional<std::string> toCp1252(const QString& text);

}  // namespace tessla
