#include "skin/picture_button.h"

#include <algorithm>
#include <limits>

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "skin/control_palette.h"
#include "skin/figure_set.h"
#include "skin/qt_text.h"
#include "view/caption_layout.h"

namespace tessla {

namespace {

// A wash at level 100 covers this much of the button, so that a washed (disabled) button stays
// recognisable instead of fading into its background.
constexpr double kWashStrength = 0.55;
// The warm tint of a picture under the pointer.
constexpr int kHighlightLevel = 45;
// The colour a disabled button is washed with, at level 100.
const QColor kDisabledWash(240, 240, 240);

// Washes what has been drawn inside `area` with `colour` at `level` (0 … 100); transparent pixels
// stay transparent.
void wash(QPainter& painter, const QRect& area, const QColor& colour, int level) {
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.setOpacity(kWashStrength * std::clamp(level, 0, 100) / 100.0);
    painter.fillRect(area, colour);
    painter.restore();
}

bool isActivationKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TSPknapp::TSPknapp(QWidget* parent)
    : QWidget(parent),
      focusfont_(font()),
      blendcolor_(controlPalette::paperShade()),
      color_(controlPalette::buttonFace()) {
    setFocusPolicy(Qt::TabFocus);
    relayout();
}

void TSPknapp::setFigurer(TSPfigurer* figurer) {
    figurer_ = figurer;
    updateGeometry();
    update();
}

void TSPknapp::setFigur1(std::string_view name) {
    figur1_ = name;
    updateGeometry();
    update();
}

void TSPknapp::setFigur2(std::string_view name) {
    figur2_ = name;
    update();
}

void TSPknapp::setKnapptyp(TSPknapptyp look) {
    knapptyp_ = look;
    relayout();
    updateGeometry();
    update();
}

void TSPknapp::setButtext(std::string_view cp1252) {
    buttext_ = cp1252;
    relayout();
    updateAccessibleName();
    updateGeometry();
    update();
}

void TSPknapp::setAvst(int pixels) {
    avst_ = pixels;
    relayout();
    updateGeometry();
    update();
}

void TSPknapp::setTextvmarg(bool value) {
    textvmarg_ = value;
    relayout();
    update();
}

void TSPknapp::setTransp(bool value) {
    transp_ = value;
    update();
}

void TSPknapp::setFramed(bool value) {
    framed_ = value;
    update();
}

void TSPknapp::setDown(bool value) {
    if (value == down_) return;
    if (value) raiseCoupled();
    down_ = value;
    update();
    announceDown();
    if (down_) {
        emit OnDown();
    } else {
        emit OnUp();
    }
}

void TSPknapp::setStaydown(bool value) {
    staydown_ = value;
}

void TSPknapp::setRadio(bool value) {
    radio_ = value;
}

void TSPknapp::setKopplatag(bool value) {
    kopplatag_ = value;
}

void TSPknapp::setTag(int tag) {
    tag_ = tag;
}

void TSPknapp::setFocusmode(bool value) {
    focusmode_ = value;
    if (!focusmode_ && highlighted_) {
        highlighted_ = false;
        relayout();
        update();
    }
}

void TSPknapp::setFocusfont(const QFont& font) {
    focusfont_ = font;
    relayout();
    update();
}

void TSPknapp::setColorflipflop(bool value) {
    colorflipflop_ = value;
    update();
}

void TSPknapp::setBlendlevel(int level) {
    blendlevel_ = level;
    update();
}

void TSPknapp::setBlendcolor(const QColor& colour) {
    blendcolor_ = colour;
    update();
}

void TSPknapp::setColor(const QColor& colour) {
    color_ = colour;
    update();
}

void TSPknapp::setHint(const QString& hint) {
    hint_ = hint;
    setToolTip(hint);
    updateAccessibleName();
}

void TSPknapp::setAccessibleText(const QString& text) {
    accessibleText_ = text;
    updateAccessibleName();
}

QSize TSPknapp::sizeHint() const {
    if (figurer_ != nullptr && !figur1_.empty()) {
        if (const auto size = figurer_->figurstorlek(figurer_->hamtafigur(figur1_))) return *size;
    }
    const QFontMetrics metrics(captionFont());
    const auto lines = wrapCaption(buttext_, std::numeric_limits<int>::max(), [&](std::string_view s) {
        return metrics.horizontalAdvance(toQString(s));
    });
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(toQString(line)));
    const int rows = std::max<int>(1, static_cast<int>(lines.size()));
    const int padding = 2 * avst_ + 4;
    return {widest + padding, rows * lineHeight_ + padding};
}

// ---- pressing ------------------------------------------------------------------------------------

void TSPknapp::press() {
    if (radio_) {
        if (down_) return;
        down_ = true;
        update();
        announceDown();
        raiseCoupled();
        emit OnTryckt();
        emit OnDown();
    } else if (staydown_) {
        down_ = !down_;
        update();
        announceDown();
        if (down_) raiseCoupled();
        emit OnTryckt();
        if (down_) {
            emit OnDown();
        } else {
            emit OnUp();
        }
    } else {
        held_ = true;
        down_ = true;
        update();
    }
}

void TSPknapp::click() {
    if (!isEnabled()) return;
    press();
    if (held_) finishPress(true);
}

void TSPknapp::finishPress(bool overButton) {
    held_ = false;
    down_ = false;
    update();
    if (overButton) emit OnTryckt();
}

void TSPknapp::raiseCoupled() {
    if (!kopplatag_ || parentWidget() == nullptr) return;
    for (TSPknapp* sibling : parentWidget()->findChildren<TSPknapp*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (sibling != this && sibling->kopplatag_ && sibling->tag_ == tag_) sibling->setDown(false);
    }
}

void TSPknapp::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) press();
}

void TSPknapp::mouseMoveEvent(QMouseEvent* event) {
    if (!held_) return;
    // A held push button shows itself pressed only while the pointer is over it.
    const bool over = rect().contains(event->position().toPoint());
    if (over == down_) return;
    down_ = over;
    update();
}

void TSPknapp::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && held_) finishPress(rect().contains(event->position().toPoint()));
}

void TSPknapp::keyPressEvent(QKeyEvent* event) {
    if (!isActivationKey(event->key())) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) press();
}

void TSPknapp::keyReleaseEvent(QKeyEvent* event) {
    if (!isActivationKey(event->key())) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && held_) finishPress(true);
}

void TSPknapp::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!focusmode_) return;
    highlighted_ = true;
    relayout();
    update();
    emit OnFocus();
}

void TSPknapp::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (!highlighted_) return;
    highlighted_ = false;
    relayout();
    update();
}

void TSPknapp::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // A key held on the button is released elsewhere now: the press ends without a click.
    if (held_) finishPress(false);
}

void TSPknapp::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A disabled button hears no release: a press it was holding ends without a click.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && held_) finishPress(false);
    if (event->type() == QEvent::FontChange) relayout();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) update();
}

void TSPknapp::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

// ---- caption -------------------------------------------------------------------------------------

const QFont& TSPknapp::captionFont() const {
    return knapptyp_ == TSPknapptyp::kntText && highlighted_ ? focusfont_ : font();
}

void TSPknapp::relayout() {
    const QFont& captionFont = this->captionFont();
    const QFontMetrics metrics(captionFont);
    lineHeight_ = captionLineHeight(QFontInfo(captionFont).pointSizeF());
    const int available = width() - (textvmarg_ ? 1 : 2) * avst_;
    lines_ = wrapCaption(buttext_, available,
                         [&](std::string_view s) { return metrics.horizontalAdvance(toQString(s)); });
}

void TSPknapp::updateAccessibleName() {
    // The carriage returns between lines are blanks to trimmed() and simplified().
    const QString caption = toQString(buttext_);
    if (!caption.trimmed().isEmpty()) {
        setAccessibleName(caption.simplified());
    } else {
        setAccessibleName(accessibleText_.isEmpty() ? hint_ : accessibleText_);
    }
}

void TSPknapp::announceDown() {
    if (!QAccessible::isActive()) return;
    QAccessible::State changed;
    if (staydown_ || radio_) {
        changed.checked = true;
    } else {
        changed.pressed = true;
    }
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

// ---- drawing -------------------------------------------------------------------------------------

bool TSPknapp::showsPressedLook() const {
    if (knapptyp_ == TSPknapptyp::kntFlipflop && focusmode_) return highlighted_;
    return down_;
}

const std::string& TSPknapp::pressedFigure() const {
    return figur2_.empty() ? figur1_ : figur2_;
}

void TSPknapp::paintEvent(QPaintEvent*) {
    // The button is drawn on a transparent layer first, so that the washes touch only what the
    // button itself drew.
    // The layer takes the pixel ratio of the device painted on, which may be an image rendered at a
    // higher ratio than the screen's.
    QPainter target(this);
    const qreal ratio = target.device()->devicePixelRatioF();
    QImage layer(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        paintButton(painter);
        if (hasFocus()) paintFocus(painter);
        if (!isEnabled()) wash(painter, rect(), kDisabledWash, 100);
    }
    target.drawImage(0, 0, layer);
}

void TSPknapp::paintButton(QPainter& painter) {
    const bool pressed = showsPressedLook();
    const int shift = pressed ? 1 : 0;
    const std::string& figure = pressed ? pressedFigure() : figur1_;
    switch (knapptyp_) {
        case TSPknapptyp::kntRuta:
        case TSPknapptyp::kntRutabild:
            if (!transp_) painter.fillRect(rect(), colorflipflop_ && down_ ? blendcolor_ : color_);
            if (blendlevel_ != 0) wash(painter, rect(), blendcolor_, blendlevel_);
            if (knapptyp_ == TSPknapptyp::kntRutabild)
                paintFigure(painter, figure, QPoint(1 + shift, 1 + shift));
            paintCaption(painter, shift);
            if (framed_) paintFrame(painter, pressed);
            break;
        case TSPknapptyp::kntText:
            paintCaption(painter, shift);
            break;
        case TSPknapptyp::kntBilder:
        case TSPknapptyp::kntFlipflop:
            paintFigure(painter, figure, QPoint(0, 0));
            if (knapptyp_ == TSPknapptyp::kntBilder && highlighted_ && !pressed) {
                wash(painter, rect(), controlPalette::gilt(), kHighlightLevel);
            }
            break;
        case TSPknapptyp::kntFlipFlopBlend:
            paintFigure(painter, figure, QPoint(0, 0));
            if (highlighted_ && !pressed) {
                // Under the pointer the pressed picture shows through halfway.
                painter.setOpacity(0.5);
                paintFigure(painter, pressedFigure(), QPoint(0, 0));
                painter.setOpacity(1.0);
            }
            break;
    }
}

void TSPknapp::paintFigure(QPainter& painter, const std::string& name, QPoint at) const {
    if (figurer_ == nullptr || name.empty()) return;
    const int index = figurer_->hamtafigur(name);
    if (index >= 0) figurer_->ritafigur(index, painter, at.x(), at.y());
}

void TSPknapp::paintCaption(QPainter& painter, int shift) const {
    if (lines_.empty()) return;
    const QFont& font = captionFont();
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(controlPalette::ink());
    int y = (height() - static_cast<int>(lines_.size()) * lineHeight_) / 2 + shift;
    for (const std::string& line : lines_) {
        const QString text = toQString(line);
        const int lineWidth = metrics.horizontalAdvance(text);
        const int x = (textvmarg_ ? avst_ : (width() - lineWidth) / 2) + shift;
        painter.drawText(QRect(x, y, lineWidth, lineHeight_), Qt::AlignLeft | Qt::AlignVCenter, text);
        y += lineHeight_;
    }
}

void TSPknapp::paintFrame(QPainter& painter, bool sunken) const {
    // An ink-brown outline; inside it the lit and the shadowed edges, which swap when sunken.
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    const QRect edge = outline.adjusted(1, 1, -1, -1);
    painter.setPen(controlPalette::sepia());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outline);
    const QColor lit = controlPalette::paperLight();
    const QColor shadow = sunken ? controlPalette::sepia() : controlPalette::rule();
    painter.setPen(sunken ? shadow : lit);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(sunken ? lit : shadow);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
}

void TSPknapp::paintFocus(QPainter& painter) const {
    // Inside the frame of a caption; along the edge of a picture, whose face it would cut.
    const bool captionLook = framedLook() || knapptyp_ == TSPknapptyp::kntText;
    const int inset = captionLook ? 3 : 0;
    painter.setPen(QPen(controlPalette::ink(), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(inset, inset, -1 - inset, -1 - inset));
}

bool TSPknapp::framedLook() const {
    return knapptyp_ == TSPknapptyp::kntRuta || knapptyp_ == TSPknapptyp::kntRutabild;
}

}  // namespace tessla
