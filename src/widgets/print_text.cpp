#include "widgets/print_text.h"

#include <QPainter>

namespace tessla {

void TSPprinttex::setTextAndLayout(QPainter& painter, const QRect& target, std::string_view cp1252) {
    if (!cp1252.empty() || !keepOnEmpty_) kodtxt_.setText(cp1252);
    if (canvas_) {
        canvas_->setDevice(*painter.device());
    } else {
        canvas_.emplace(*painter.device());
    }
    kodtxt_.setRect({0, 0, target.width() - 1, target.height() - 1});
    kodtxt_.layout(*canvas_);
    kodtxt_.setRect({target.left(), target.top(), target.right(), target.bottom()});
}

void TSPprinttex::draw(QPainter& painter) {
    if (!canvas_) return;
    canvas_->setPainter(&painter);
    kodtxt_.draw(*canvas_);
    canvas_->setPainter(nullptr);
}

}  // namespace tessla
