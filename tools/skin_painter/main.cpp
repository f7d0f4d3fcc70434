// skin_painter OUTDIR: paints every skin picture into OUTDIR as NAME.png, the outline region of
// each kind-10 picture as NAME.rgn, and last the manifest that builder/skin_pictures.h describes,
// one line per picture: name, kind and, when it has one, placement code. Pictures of an earlier
// run are removed first.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <set>
#include <string>

#include "alpha_region.h"
#include "builder/skin_pictures.h"
#include "skin/picture_loader.h"
#include "skin_catalogue.h"

namespace {

using tessla::skin::PicturePlan;

QImage render(const PicturePlan& plan) {
    QImage image(plan.size.width * plan.density, plan.size.height * plan.density,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(plan.density);
    const int dotsPerMetre = static_cast<int>(tessla::kDotsPerMetreAtRatioOne * plan.density);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    plan.paint(image);
    return image;
}

QString fileName(const QDir& dir, std::string_view name, const char* extension) {
    return dir.filePath(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + extension);
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool writePicture(const QDir& dir, const PicturePlan& plan) {
    const QImage image = render(plan);
    if (!image.save(fileName(dir, plan.name, ".png"), "PNG")) return false;
    if (plan.kind != 10) return true;
    const std::vector<std::uint8_t> region = tessla::encodeRegion(tessla::skin::regionFromAlpha(image));
    return writeBytes(
        fileName(dir, plan.name, ".rgn"),
        QByteArray(reinterpret_cast<const char*>(region.data()), static_cast<qsizetype>(region.size())));
}

QByteArray manifestLine(const PicturePlan& plan) {
    QByteArray line = QByteArray(plan.name.data(), static_cast<qsizetype>(plan.name.size())) + ' ' +
                      QByteArray::number(plan.kind);
    if (!plan.placement.empty())
        line += ' ' + QByteArray(plan.placement.data(), static_cast<qsizetype>(plan.placement.size()));
    return line + '\n';
}

// The names that the catalogue does not paint exactly once as the program's table has them:
// missing, painted twice, or not in the table.
std::string mismatchedNames(const std::vector<PicturePlan>& catalogue) {
    std::multiset<std::string_view> painted;
    for (const PicturePlan& plan : catalogue) painted.insert(plan.name);
    const std::set<std::string_view> table(tessla::allPictureNames().begin(),
                                           tessla::allPictureNames().end());
    std::string mismatched;
    for (const std::string_view name : table) {
        if (painted.count(name) != 1) mismatched += " " + std::string(name);
    }
    for (const std::string_view name : painted) {
        if (!table.contains(name)) mismatched += " " + std::string(name);
    }
    return mismatched;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin_painter OUTDIR\n");
        return 1;
    }
    const std::vector<PicturePlan> catalogue = tessla::skin::skinCatalogue();
    if (const std::string mismatched = mismatchedNames(catalogue); !mismatched.empty()) {
        std::fprintf(stderr, "skin_painter: pictures not painted exactly once as named:%s\n",
                     mismatched.c_str());
        return 1;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "skin_painter: cannot make %s\n", argv[1]);
        return 1;
    }
    for (const QString& old : dir.entryList({"*.png", "*.rgn", tessla::kSkinManifestName}, QDir::Files))
        dir.remove(old);
    QByteArray manifest = "# name kind [placement]\n";
    for (const PicturePlan& plan : catalogue) {
        if (!writePicture(dir, plan)) {
            std::fprintf(stderr, "skin_painter: cannot write %.*s\n", static_cast<int>(plan.name.size()),
                         plan.name.data());
            return 1;
        }
        manifest += manifestLine(plan);
    }
    if (!writeBytes(dir.filePath(tessla::kSkinManifestName), manifest)) {
        std::fprintf(stderr, "skin_painter: cannot write the manifest\n");
        return 1;
    }
    return 0;
}
