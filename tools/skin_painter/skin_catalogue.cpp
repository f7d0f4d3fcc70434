#include "skin_catalogue.h"

#include <QPainter>

#include "emblems.h"
#include "skin_look.h"

namespace tessla::skin {
namespace {

namespace pn = picture;

constexpr pn::LogicalSize kMainBackgroundSize{2560, 1600};

using Drawing = std::function<void(QPainter&, const QRectF&, Face)>;

// Paints `drawing` over the whole picture in logical pixels.
std::function<void(QImage&)> withPainter(Drawing drawing, Face face) {
    return [drawing = std::move(drawing), face](QImage& image) {
        QPainter painter(&image);
        drawing(painter, QRectF(QPointF(0, 0), image.deviceIndependentSize()), face);
    };
}

class Catalogue {
  public:
    void background(std::string_view name, pn::LogicalSize size, QColor paper) {
        plans_.push_back({name, size, 1, 1, {}, [paper](QImage& image) { paintPaper(image, paper); }});
    }

    // A button face drawn in its normal look under `normal` and its pressed look under `pressed`.
    void button(std::string_view normal, std::string_view pressed, pn::LogicalSize size,
                const Drawing& drawing, std::string_view placement = {}) {
        plans_.push_back({normal, size, 2, 1, placement, withPainter(drawing, Face::normal)});
        plans_.push_back({pressed, size, 2, 1, placement, withPainter(drawing, Face::pressed)});
    }

    void figure(std::string_view name, pn::LogicalSize size, int kind, const Drawing& drawing) {
        plans_.push_back({name, size, 2, kind, {}, withPainter(drawing, Face::normal)});
    }

    std::vector<PicturePlan> take() { return std::move(plans_); }

  private:
    std::vector<PicturePlan> plans_;
};

// A framed plate with a caption, for the large buttons.
Drawing captioned(QString caption) {
    return [caption = std::move(caption)](QPainter& painter, const QRectF& rect, Face face) {
        paintPlate(painter, rect, face, 4, true);
        paintCaption(painter, contentRect(rect, face, 3).adjusted(2, 0, -2, 0), caption, 17, 13);
    };
}

// A plate with a caption in a smaller size, for the narrow buttons.
Drawing smallCaptioned(QString caption) {
    return [caption = std::move(caption)](QPainter& painter, const QRectF& rect, Face face) {
        paintPlate(painter, rect, face, 3, false);
        paintCaption(painter, contentRect(rect, face, 2), caption, 15, 11);
    };
}

// A plate with an icon of the small buttons.
Drawing iconPlate(std::function<void(QPainter&, const QRectF&)> icon) {
    return [icon = std::move(icon)](QPainter& painter, const QRectF& rect, Face face) {
        paintPlate(painter, rect, face, 3, false);
        icon(painter, contentRect(rect, face, 3));
    };
}

Drawing copyIcon(SheetContent content) {
    return iconPlate(
        [content](QPainter& painter, const QRectF& box) { paintCopyIcon(painter, box, content); });
}

Drawing roundPlate(std::function<void(QPainter&, const QRectF&, Face)> inside) {
    return [inside = std::move(inside)](QPainter& painter, const QRectF& rect, Face face) {
        paintPlate(painter, rect, face, rect.width() / 2, false);
        inside(painter, rect, face);
    };
}

// A flag in a thin frame, or pressed (the language in use) in a heavy ink frame.
Drawing flag(void (*paint)(QPainter&, const QRectF&)) {
    return [paint](QPainter& painter, const QRectF& rect, Face face) {
        const qreal frame = face == Face::pressed ? 2 : 1;
        painter.fillRect(rect, face == Face::pressed ? controlPalette::ink() : controlPalette::sepia());
        paint(painter, rect.adjusted(frame, frame, -frame, -frame));
    };
}

Drawing logo(void (*paint)(QPainter&, const QRectF&)) {
    return [paint](QPainter& painter, const QRectF& rect, Face face) {
        paintPlate(painter, rect, face, 3, false);
        paint(painter, contentRect(rect, face, 2));
    };
}

void addMainWindow(Catalogue& c) {
    c.background(pn::tslmain, kMainBackgroundSize, controlPalette::paper());
    c.background(pn::tslmaine, kMainBackgroundSize, controlPalette::paper());
    const auto large = [&](std::string_view normal, std::string_view pressed, const char* caption) {
        c.button(normal, pressed, pn::largeButtonSize, captioned(QString::fromUtf8(caption)));
    };
    large(pn::sokknapp, pn::sokknappn, "Sök");
    large(pn::sokknappe, pn::sokknappen, "Search");
    large(pn::sokbarnknapp, pn::sokbarnknappn, "Sök barn");
    large(pn::sokbarnknappe, pn::sokbarnknappen, "Child search");
    large(pn::statknapp, pn::statknappn, "Statistik");
    large(pn::skrivknapp, pn::skrivknappn, "Skriv ut");
    large(pn::skrivknappe, pn::skrivknappen, "Print");
    large(pn::omknapp, pn::omknappn, "Om Tessla");
    large(pn::omknappe, pn::omknappen, "About");
    large(pn::avslutaknapp, pn::avslutaknappn, "Avsluta");
    large(pn::avslutaknappe, pn::avslutaknappen, "Exit");

    c.button(pn::postejknapp, pn::postejknappn, pn::smallButtonSize, iconPlate(paintDeselectIcon));
    c.button(pn::kopipostknapp, pn::kopipostknappn, pn::smallButtonSize, copyIcon(SheetContent::record));
    c.button(pn::postskrivknapp, pn::postskrivknappn, pn::smallButtonSize, iconPlate(paintPrinterIcon));
    c.button(pn::kopilistaknapp, pn::kopilistaknappn, pn::smallButtonSize, copyIcon(SheetContent::list));
    c.button(pn::kopihushknapp, pn::kopihushknappn, pn::smallButtonSize, copyIcon(SheetContent::household));
    const auto exportButton = [&](std::string_view normal, std::string_view pressed, ExportContent content) {
        c.button(normal, pressed, pn::smallButtonSize,
                 iconPlate([content](QPainter& painter, const QRectF& box) {
                     paintExportIcon(painter, box, content);
                 }));
    };
    exportButton(pn::gedcomknapp, pn::gedcomknappn, ExportContent::familyTree);
    exportButton(pn::csvknapp, pn::csvknappn, ExportContent::table);
    exportButton(pn::kallknapp, pn::kallknappn, ExportContent::citation);
    c.button(pn::rensaknapp, pn::rensaknappn, pn::clearButtonSize, smallCaptioned(QString::fromUtf8("Töm")));
    c.button(pn::rensaknappe, pn::rensaknappen, pn::clearButtonSize, smallCaptioned("Clear"));

    const auto questionMark = roundPlate([](QPainter& painter, const QRectF& rect, Face face) {
        paintCaption(painter, contentRect(rect, face, 1), "?", 18, 18);
    });
    c.button(pn::hjelpl01, pn::hjelpl02, pn::helpButtonSize, questionMark, "C3");
    c.button(pn::flaggasv, pn::flaggasvn, pn::flagSize, flag(paintSwedishFlag), "C3");
    c.button(pn::flaggaen, pn::flaggaenn, pn::flagSize, flag(paintBritishFlag), "C3");
    c.button(pn::stammalogo, pn::stammalogon, pn::logoSize, logo(paintStammaLogo), "C6");
    c.button(pn::arkivologo, pn::arkivologon, pn::logoSize, logo(paintArkivoLogo), "C6");
}

void addSearchWindows(Catalogue& c) {
    for (const std::string_view name : {pn::tslsok, pn::tslsokbarn, pn::tslsoklista, pn::tslstat}) {
        c.background(name, pn::dialogBackgroundSize, controlPalette::paper());
    }
    c.button(pn::abcknapp, pn::abcknappn, pn::fieldButtonSize, smallCaptioned("abc"));
    c.button(pn::listknapp, pn::listknappn, pn::fieldButtonSize, iconPlate(paintListIcon));
    c.figure(pn::tabellboll, pn::tableMarkSize, 1,
             [](QPainter& painter, const QRectF& rect, Face) { paintBall(painter, rect); });
}

void addPrintWindow(Catalogue& c) {
    c.background(pn::tslprint, pn::dialogBackgroundSize, controlPalette::paper());
    c.background(pn::tslprinte, pn::dialogBackgroundSize, controlPalette::paper());
    c.button(pn::startknapp, pn::startknappn, pn::largeButtonSize, captioned("Skriv ut"));
    c.button(pn::startknappe, pn::startknappen, pn::largeButtonSize, captioned("Print"));
    c.button(pn::staellinknapp, pn::staellinknappn, pn::largeButtonSize,
             captioned(QString::fromUtf8("Välj skrivare")));
    c.button(pn::staellinknappe, pn::staellinknappen, pn::largeButtonSize, captioned("Printer setup"));
}

void addTextWindow(Catalogue& c) {
    c.background(pn::tslhelp, pn::dialogBackgroundSize, controlPalette::readingPaper());
    c.button(pn::stangknapp, pn::stangknappn, pn::smallButtonSize, iconPlate(paintCloseIcon));
}

void addShapedButton(Catalogue& c) {
    c.figure(pn::rundknapp, pn::roundButtonSize, 10,
             roundPlate([](QPainter& painter, const QRectF& rect, Face face) {
                 paintArrowIcon(painter, contentRect(rect, face, rect.width() * 0.27));
             }));
}

}  // namespace

std::vector<PicturePlan> skinCatalogue() {
    Catalogue catalogue;
    addMainWindow(catalogue);
    addSearchWindows(catalogue);
    addPrintWindow(catalogue);
    addTextWindow(catalogue);
    addShapedButton(catalogue);
    return catalogue.take();
}

}  // namespace tessla::skin
