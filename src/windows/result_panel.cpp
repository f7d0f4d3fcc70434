#include "windows/result_panel.h"

#include "program/program.h"
#include "skin/background_panel.h"
#include "skin/fonts.h"
#include "skin/picture_button.h"
#include "skin/scroll_bar.h"
#include "view/clipboard_texts.h"
#include "view/scroll_rows.h"
#include "widgets/elided_label.h"
#include "widgets/scroll_link.h"
#include "widgets/table_grid.h"
#include "windows/main_grids.h"
#include "windows/window_controls.h"

namespace tessla {

namespace pic = picture;

ResultPanel::ResultPanel(QWidget& parent, Program& program, RecordBrowser& browser)
    : program_(program),
      browser_(browser),
      frame_(new SunkenFrame(&parent)),
      grid_(makeListGrid(*frame_, "persontab", 2)),
      scrollBar_(new Tspecscr(&parent)),
      count_(new ElidedLabel(&parent)) {
    TSPfigurer& figures = program.mainfigur();
    frame_->setObjectName(QStringLiteral("tabellpanel"));
    scrollBar_->setObjectName(QStringLiteral("personscr"));
    count_->setObjectName(QStringLiteral("antallabel"));
    copy_ =
        makePictureButton(&parent, "kopilistaknapp", {pic::kopilistaknapp, pic::kopilistaknappn}, figures);
    clear_ = makePictureButton(&parent, "rensaknapp", {pic::rensaknapp, pic::rensaknappn}, figures);
    clearEnglish_ =
        makePictureButton(&parent, "rensaknapp_e", {pic::rensaknappe, pic::rensaknappen}, figures);
    csv_ = makePictureButton(&parent, "csvknapp", {pic::csvknapp, pic::csvknappn}, figures);
    QObject::connect(copy_, &TSPknapp::OnTryckt, copy_, [this] { copy(); });
    linkScrollBar(*scrollBar_, *grid_);
    QObject::connect(grid_, &TSPtab::currentRowChanged, grid_, [this](std::int32_t row) {
        if (!refilling_ && chosen_) chosen_(row);
    });
    grid_->setCellTextProvider([this](std::int32_t row, int column) {
        return browser_.results().window().personListCell(row, column);
    });
}

void ResultPanel::place(const MainLayout& layout) {
    visibleRows_ = layout.rows.result;
    browser_.results().window().setCapacity(static_cast<std::size_t>(visibleRows_));
    frame_->setGeometry(rectOf(layout.resultFrame));
    scrollBar_->setGeometry(rectOf(layout.resultScroll));
    placeListGrid(*grid_, layout, layout.resultGrid, {layout.resultColumns[0], layout.resultColumns[1]});
    count_->setFont(serifFont(layout.metrics.fontSize));

    const QSize small(pic::smallButtonSize.width, pic::smallButtonSize.height);
    const QSize clear(pic::clearButtonSize.width, pic::clearButtonSize.height);
    const LayoutRect& result = layout.resultFrame;
    const int top = result.y - kAboveFrame;
    for (TSPknapp* button : {clear_, clearEnglish_})
        button->setGeometry(QRect(QPoint(result.right() - clear.width(), top), clear));
    copy_->setGeometry(QRect(QPoint(clear_->x() - kButtonGap - small.width(), top), small));
    csv_->setGeometry(QRect(QPoint(copy_->x() - kButtonGap - small.width(), top), small));
    const int leftmost = program_.configuration().exportLimit > 0 ? csv_->x() : copy_->x();
    count_->setGeometry(result.x + 2, top + 2, std::max(0, leftmost - result.x - 6), 20);
}

void ResultPanel::applyTexts(Language language) {
    showInLanguage(language, *clear_, *clearEnglish_);
    setHint(*copy_, language, "Kopiera listan till urklipp", "Copy list to clipboard");
    setHint(*csv_, language, "Spara listan som CSV-fil för ett kalkylprogram",
            "Save the list as a CSV file for a spreadsheet");
    // The clear buttons' hint is the same in both languages; a screen reader hears the name in each.
    for (TSPknapp* button : {clear_, clearEnglish_}) {
        setHint(*button, language, "Töm listan", "Töm listan");
        button->setAccessibleText(inLanguage(language, "Töm listan", "Clear list"));
    }
    const QString name = inLanguage(language, "Resultatlista", "Result list");
    grid_->setAccessibleName(name);
    scrollBar_->setAccessibleName(name);
    showCount();
    grid_->update();
}

void ResultPanel::copy() {
    if (!copy_->isEnabled()) return;
    program_.whenSettled("copy list", [this] {
        putOnClipboard(listCopyText(program_.database().tessllista(), grid_->topRow(), visibleRows_));
    });
}

void ResultPanel::showResults() {
    // A new row count moves the grid's current row inside it; that is no choice of the user's,
    // and must not overwrite the row the browser kept.
    refilling_ = true;
    const std::int32_t rows = browser_.resultCount();
    grid_->setRowCount(rows);
    grid_->setEnabled(rows > 0);
    copy_->setEnabled(rows > 0);
    csv_->setEnabled(rows > 0);
    csv_->setVisible(program_.configuration().exportLimit > 0);
    if (rows > 0) {
        const std::int32_t row = browser_.selectedRow();
        grid_->setTopRow(centredTopRow(grid_->topRow(), visibleRows_, rows, row));
        grid_->setCurrentRow(row);
        grid_->setFocus();
    }
    refilling_ = false;
    showCount();
    grid_->update();
}

void ResultPanel::showCount() {
    count_->setFullText(QString::number(browser_.resultCount()) +
                        inLanguage(program_.language(), " valda", " selected records"));
}

}  // namespace tessla
