#pragma once

// The main window's result list: its frame, grid and scroll bar, the count above it, and the
// buttons that copy and empty the list. It draws what the record browser holds.

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

class ResultPanel {
  public:
    ResultPanel(QWidget& parent, Program& program, RecordBrowser& browser);

    TSPtab& grid() { return *grid_; }
    Tspecscr& scrollBar() { return *scrollBar_; }
    // The buttons that empty the list (one a language) and that copy it.
    TSPknapp& clearButton(Language language) { return *inLanguage(language, clear_, clearEnglish_); }
    TSPknapp& copyButton() { return *copy_; }
    // The button that saves the list as a CSV file, beside the copy button; hidden by an export
    // limit of 0.
    TSPknapp& csvButton() { return *csv_; }
    // Puts the rows on screen on the clipboard (the copy button, Ctrl+Shift+C) while the list has
    // rows; a household being built or a print job first ends.
    void copy();

    // `chosen` hears the row the user moves the list to (keys, clicks, the scroll bar's rows);
    // never a row the panel itself sets while it shows new results.
    void onRowChosen(std::function<void(std::int32_t row)> chosen) { chosen_ = std::move(chosen); }

    void place(const MainLayout& layout);
    void applyTexts(Language language);
    // The rows, the count and the selected row, as the browser has them now: the browser chose
    // the row, and the grid follows.
    void showResults();

  private:
    void showCount();

    Program& program_;
    RecordBrowser& browser_;
    SunkenFrame* frame_;
    TSPtab* grid_;
    Tspecscr* scrollBar_;
    ElidedLabel* count_;
    TSPknapp *copy_, *clear_, *clearEnglish_, *csv_;
    int visibleRows_ = 1;
    std::function<void(std::int32_t)> chosen_;
    bool refilling_ = false;
};

}  // namespace tessla
