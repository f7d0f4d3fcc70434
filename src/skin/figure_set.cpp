#include "skin/figure_set.h"

#include <QPainter>

#include "skin/picture_loader.h"

namespace tessla {

TSPfigurer::TSPfigurer(TSPbildbas& bildbas, int maxfigurer) : bildbas_(&bildbas), figures_(maxfigurer) {}

int TSPfigurer::hamtafigur(std::string_view name) {
    if (bildbas_ == nullptr) return -1;
    return figures_.fetch(
        *bildbas_, name, [](TSPbildbas& base, std::string_view wanted) -> std::optional<TSPenfigur> {
            std::optional<LoadedPicture> loaded = laddabild(base, wanted);
            if (!loaded) return std::nullopt;
            loaded->placement.resize(std::min(loaded->placement.size(), kFigurePlacementMax));
            return TSPenfigur{std::move(loaded->image), std::move(loaded->placement)};
        });
}

std::optional<QSize> TSPfigurer::figurstorlek(int index) const {
    const TSPenfigur* entry = figures_.at(index);
    if (entry == nullptr) return std::nullopt;
    return entry->picture.deviceIndependentSize().toSize();
}

void TSPfigurer::ritafigur(int index, QPainter& painter, int x, int y) const {
    const TSPenfigur* entry = figures_.at(index);
    if (entry == nullptr) return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(x, y), entry->picture);
    painter.restore();
}

void TSPfigurer::ritafigurplacerad(int index, QPainter& painter, const QRect& rect) const {
    const std::optional<QSize> size = figurstorlek(index);
    if (!size) return;
    const FigurePosition at = placeFigure(figures_.at(index)->placement, rect.left(), rect.top(),
                                          rect.width(), rect.height(), size->width(), size->height());
    const QRect placed(at.x, at.y, size->width(), size->height());
    if (painter.hasClipping() && !painter.clipBoundingRect().intersects(placed)) return;
    ritafigur(index, painter, at.x, at.y);
}

void TSPfigurer::setBildbas(TSPbildbas* bildbas) {
    bildbas_ = bildbas;
    figures_.clear();
}

}  // namespace tessla
