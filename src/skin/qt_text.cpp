#include "skin/qt_text.h"

#include "base/cp1252.h"

namespace tessla {

QString toQString(std::string_view cp1252) {
    return toQString(cp1252ToUtf8(cp1252));
}

QString toQString(const Utf8& text) {
    return QString::fromUtf8(text.str().data(), static_cast<qsizetype>(text.str().size()));
}

std::optional<std::string> toCp1252(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return utf8ToCp1252(Utf8View(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
}

}  // namespace tessla
