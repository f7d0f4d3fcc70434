#include "skin/picture_loader.h"

#include <algorithm>
#include <cmath>

#include <QByteArrayView>

namespace tessla {

std::optional<QImage> decodePicture(std::span<const std::uint8_t> png) {
    QImage image = QImage::fromData(
        QByteArrayView(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size())), "PNG");
    if (image.isNull()) return std::nullopt;
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const double ratio = std::round(image.dotsPerMeterX() / kDotsPerMetreAtRatioOne);
    image.setDevicePixelRatio(std::clamp(ratio, 1.0, kLargestPictureRatio));
    return image;
}

QRegion toRegion(std::span<const RegionRect> rects) {
    QRegion region;
    for (const RegionRect& r : rects) {
        region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    return region;
}

std::optional<LoadedPicture> laddabild(TSPbildbas& base, std::string_view name) {
    std::optional<StoredPicture> stored = readStoredPicture(base, name);
    std::optional<QImage> image = stored ? decodePicture(stored->image) : std::nullopt;
    if (!image) return std::nullopt;
    std::optional<QRegion> region;
    if (stored->region) region = toRegion(*stored->region);
    return LoadedPicture{std::move(*image), std::move(region), std::move(stored->post.placement)};
}

}  // namespace tessla
