#pragma once

// Screenshots of windows for the eye, as the GUI tests leave them under the build folder.

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>

namespace tessla::test {

// Saves `widget` (or its `area`) at one and two device pixels a pixel as `shots`/`name`@1x.png
// and @2x.png.
inline void saveShots(QWidget& widget, const QString& shots, const QString& name, QRect area = {}) {
    if (area.isNull()) area = widget.rect();
    for (const int ratio : {1, 2}) {
        QImage shot(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        shot.setDevicePixelRatio(ratio);
        shot.fill(Qt::white);
        widget.render(&shot, QPoint(), QRegion(area));
        shot.save(shots + QStringLiteral("/%1@%2x.png").arg(name).arg(ratio));
    }
}

}  // namespace tessla::test
