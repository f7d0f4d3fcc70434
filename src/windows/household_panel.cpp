#include "windows/household_panel.h"

#include "program/program.h"
#include "skin/background_panel.h"
#include "skin/fonts.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"
#include "skin/scroll_bar.h"
#include "view/scroll_rows.h"
#include "widgets/elided_label.h"
#include "widgets/scroll_link.h"
#include "widgets/table_grid.h"
#include "windows/main_grids.h"
#include "windows/window_controls.h"

namespace tessla {

namespace pic = picture;

HouseholdPanel::HouseholdPanel(QWidget& parent, Program& program, RecordBrowser& browser)
    : program_(program),
      browser_(browser),
      frame_(new SunkenFrame(&parent)),
      grid_(makeListGrid(*frame_, "htab", 3)),
      scrollBar_(new Tspecscr(&parent)),
      caption_(new ElidedLabel(&parent)),
      copy_(makePictureButton(&parent, "kopihushknapp", {pic::kopihushknapp, pic::kopihushknappn},
                              program.mainfigur())),
      gedcom_(makePictureButton(&parent, "gedcomknapp", {pic::gedcomknapp, pic::gedcomknappn},
                                program.mainfigur())) {
    frame_->setObjectName(QStringLiteral("htabellpanel"));
    scrollBar_->setObjectName(QStringLiteral("hscr"));
    caption_->setObjectName(QStringLiteral("plabel"));
    QObject::connect(copy_, &TSPknapp::OnTryckt, copy_, [this] { copy(); });
    linkScrollBar(*scrollBar_, *grid_);
    QObject::connect(grid_, &TSPtab::currentRowChanged, grid_, [this](std::int32_t row) {
        if (!refilling_ && chosen_) chosen_(row);
    });
    HouseholdList& household = program.household;
    grid_->setCellTextProvider([this, &household](std::int32_t row, int column) {
        return household.householdCell(row, column, program_.language());
    });
    grid_->setCellStyleProvider(
        [&household](std::int32_t row, int) { return household.householdCellStyle(row); });
    // Separator rows between families are not persons.
    grid_->setRowSelectableProvider([&household](std::int32_t row) { return !household.isSeparator(row); });
}

void HouseholdPanel::place(const MainLayout& layout) {
    visibleRows_ = layout.rows.household;
    frame_->setGeometry(rectOf(layout.householdFrame));
    scrollBar_->setGeometry(rectOf(layout.householdScroll));
    placeListGrid(*grid_, layout, layout.householdGrid,
                  {layout.householdColumns[0], layout.householdColumns[1], layout.householdColumns[2]});
    caption_->setFont(serifFont(layout.metrics.fontSize));

    const QSize small(pic::smallButtonSize.width, pic::smallButtonSize.height);
    const LayoutRect& household = layout.householdFrame;
    copy_->setGeometry(QRect(QPoint(household.right() - small.width(), household.y - kAboveFrame), small));
    gedcom_->setGeometry(QRect(QPoint(copy_->x() - kButtonGap - small.width(), copy_->y()), small));
    // The caption stands 16 pixels above the frame and stops short of the buttons beside it.
    caption_->setGeometry(household.x, household.y - 17, std::max(0, gedcom_->x() - household.x - 4), 16);
}

void HouseholdPanel::applyTexts(Language language) {
    // The hint is the same in both languages; a screen reader hears the name in each.
    setHint(*copy_, language, "Kopiera hushållslistan till urklipp", "Kopiera hushållslistan till urklipp");
    copy_->setAccessibleText(
        inLanguage(language, "Kopiera hushållslistan till urklipp", "Copy household list to clipboard"));
    setHint(*gedcom_, language, "Spara hushållet som GEDCOM-fil för ett släktforskningsprogram",
            "Save the household as a GEDCOM file for a family-tree program");
    const QString name = inLanguage(language, "Hushåll", "Household");
    grid_->setAccessibleName(name);
    scrollBar_->setAccessibleName(name);
    showCaption();
    grid_->update();
}

void HouseholdPanel::copy() {
    program_.whenSettled("copy household", [this] {
        putOnClipboard(householdCopyText(program_.household, program_.language()));
    });
}

void HouseholdPanel::showBuilding() {
    grid_->setEnabled(false);
}

void HouseholdPanel::showHousehold() {
    // Refilling the grid moves its current row; that is no choice of the user's.
    refilling_ = true;
    const std::int32_t rows = program_.household.size();
    grid_->setRowCount(rows);
    grid_->setEnabled(rows > 0);
    gedcom_->setEnabled(rows > 0);
    const std::int32_t row = browser_.householdRow();
    if (row >= 0) {
        grid_->setTopRow(centredTopRow(grid_->topRow(), visibleRows_, rows, row));
        grid_->setCurrentRow(row);
    } else {
        // A household that does not hold the person (a damaged household index) shows no row as
        // the person's, rather than the row of the household before.
        grid_->clearCurrentRow();
    }
    refilling_ = false;
    showCaption();
    grid_->update();
}

void HouseholdPanel::showCaption() {
    caption_->setFullText(toQString(browser_.householdCaption(program_.language())));
}

}  // namespace tessla
