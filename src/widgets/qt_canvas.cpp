#include "widgets/qt_canvas.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include <QFontInfo>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include "skin/qt_text.h"

namespace tessla {

namespace {

// The faces that share the widths of "Times New Roman", so texts wrap as they were written for.
constexpr std::string_view kTimesMetricFaces[] = {
    "Times New Roman", "Liberation Serif", "Tinos", "Nimbus Roman", "Nimbus Roman No9 L", "TeX Gyre Termes",
};

// The character of each Windows-1252 byte.
const std::array<QChar, 256>& charactersOfBytes() {
    static const std::array<QChar, 256> characters = [] {
        std::array<QChar, 256> table;
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            table[byte] = toQString(std::string_view(&c, 1)).at(0);
        }
        return table;
    }();
    return characters;
}

QColor qColor(Rgb color) {
    return QColor(color.red, color.green, color.blue);
}

}  // namespace

QtTextCanvas::QtTextCanvas(QPaintDevice& device) : device_(&device), dpi_(device.logicalDpiY()) {}

void QtTextCanvas::setDevice(QPaintDevice& device) {
    device_ = &device;
    if (device.logicalDpiY() == dpi_) return;
    dpi_ = device.logicalDpiY();
    face_ = nullptr;
    faces_.clear();
}

QFont QtTextCanvas::qFont(const TextFont& font) {
    QFont qfont(QString::fromLatin1(font.name.data(), static_cast<qsizetype>(font.name.size())));
    // The em height in whole pixels of the device, as the layout's line heights count it.
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * dpi_ / 72.0))));
    qfont.setBold((font.style & kFontBold) != 0);
    qfont.setItalic((font.style & kFontItalic) != 0);
    qfont.setUnderline((font.style & kFontUnderline) != 0);
    // Without kerning and shaping a text is exactly as wide as its characters' advances, so that
    // measuring a character at a time agrees with drawing the whole run.
    qfont.setKerning(false);
    qfont.setStyleStrategy(QFont::PreferNoShaping);
    return qfont;
}

QtTextCanvas::Face& QtTextCanvas::face(const TextFont& font) {
    for (const auto& face : faces_)
        if (face->key == font) return *face;
    const QFont qfont = qFont(font);
    auto face = std::make_unique<Face>(
        Face{font, std::string(font.name), qfont, QFontMetricsF(qfont, device_), qfont.pixelSize(), {}, {}});
    face->key.name = face->name;
    faces_.push_back(std::move(face));
    return *faces_.back();
}

void QtTextCanvas::setFont(const TextFont& font) {
    if (face_ == nullptr || !(face_->key == font)) face_ = &face(font);
}

qreal QtTextCanvas::advance(unsigned char c) {
    if (!face_->measured[c]) {
        face_->advances[c] = face_->metrics.horizontalAdvance(charactersOfBytes()[c]);
        face_->measured[c] = true;
    }
    return face_->advances[c];
}

int QtTextCanvas::textWidth(std::string_view text) {
    qreal width = 0;
    for (char c : text) width += advance(static_cast<unsigned char>(c));
    return static_cast<int>(std::lround(width));
}

void QtTextCanvas::drawText(int x, int y, std::string_view text, Rgb color, std::optional<Rgb> background) {
    if (painter_ == nullptr) return;
    const QFontMetricsF& metrics = face_->metrics;
    if (background)
        painter_->fillRect(QRectF(x, y, textWidth(text), metrics.ascent() + metrics.descent()),
                           qColor(*background));
    painter_->setFont(face_->font);
    painter_->setPen(qColor(color));
    painter_->drawText(QPointF(x, y + metrics.ascent()), toQString(text));
}

void QtTextCanvas::drawRule(int x1, int x2, int y, int rule, Rgb color) {
    if (painter_ == nullptr) return;
    QPen pen(qColor(color));
    pen.setWidth(rule == kRuleThick ? 2 : 1);
    if (rule == kRuleDotted) pen.setStyle(Qt::DotLine);
    painter_->setPen(pen);
    painter_->drawLine(x1, y, x2, y);
}

std::string textFaceWarning(const QString& family) {
    for (std::string_view face : kTimesMetricFaces)
        if (family.compare(QString::fromLatin1(face.data(), face.size()), Qt::CaseInsensitive) == 0)
            return {};
    return "Tessla: the font \"Times New Roman\" is shown as \"" + family.toStdString() +
           "\", whose character widths differ, so texts wrap differently; install a face with its "
           "widths, such as Liberation Serif (fonts-liberation).";
}

void checkTextFace() {
    const std::string warning = textFaceWarning(QFontInfo(QFont(QStringLiteral("Times New Roman"))).family());
    if (!warning.empty()) std::cerr << warning << '\n';
}

}  // namespace tessla
