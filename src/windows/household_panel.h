#pragma once

// The main window's household list: its frame, grid and scroll bar, the caption above it naming
// the selected person, and the buttons that copy it and save it as a GEDCOM file. It draws what the record
// browser holds.

#include <functional>

#include "view/main_layout.h"
#include "view/record_browser.h"

class QWidget;

namespace tessla {

class ElidedLabel;
class Program;
class SunkenFrame;
class TSPknapp;
class TSPtab;
class Tspecscr;

class HouseholdPanel {
  public:
    HouseholdPanel(QWidget& parent, Program& program, RecordBrowser& browser);

    TSPtab& grid() { return *grid_; }
    // The button that saves the household as a GEDCOM file, beside the copy button.
    TSPknapp& gedcomButton() { return *gedcom_; }
    // Called when the user chooses household row `row`; not while the panel refills the grid.
    void onMemberChosen(std::function<void(std::int32_t row)> chosen) { chosen_ = std::move(chosen); }
    // Puts the household with its role words on the clipboard (its copy button); a household
    // being built or a print job first ends.
    void copy();

    void place(const MainLayout& layout);
    void applyTexts(Language language);
    // Shows that a household is being built: the grid takes no clicks meanwhile.
    void showBuilding();
    // The rows, the caption and the person's row, as the browser has them now.
    void showHousehold();

  private:
    void showCaption();

    Program& program_;
    RecordBrowser& browser_;
    SunkenFrame* frame_;
    TSPtab* grid_;
    Tspecscr* scrollBar_;
    ElidedLabel* caption_;
    TSPknapp *copy_, *gedcom_;
    std::function<void(std::int32_t)> chosen_;
    bool refilling_ = false;
    int visibleRows_ = 1;
};

}  // namespace tessla
