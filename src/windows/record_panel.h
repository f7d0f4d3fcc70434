#pragma once

// The main window's record: the shown person's text over the background picture in a frame, its
// scroll bar, the POSTID above it and the buttons that deselect, copy, cite and print the person.

#include <string_view>

#include "view/main_layout.h"
#include "view/record_browser.h"

class QWidget;

namespace tessla {

class ElidedLabel;
class Program;
class SunkenFrame;
class TSPdyntex;
class TSPknapp;
class Tspecscr;

class RecordPanel {
  public:
    RecordPanel(QWidget& parent, Program& program, RecordBrowser& browser);

    TSPknapp& deselectButton() { return *deselect_; }
    // The button that copies the citation of the shown record (Ctrl+K), beside the copy button.
    TSPknapp& citationButton() { return *cite_; }
    // Puts the shown record on the clipboard (its copy button, Ctrl+C) while persons are listed;
    // a household being built or a print job first ends.
    void copy();
    // Enabled by the main window while it has a print window and a result.
    TSPknapp& printButton() { return *print_; }

    void place(const MainLayout& layout);
    // The hints, the background picture `background` and the record in `language`.
    void applyTexts(Language language, std::string_view background);
    // The record the browser shows now, from its top.
    void showRecord();

  private:
    Program& program_;
    RecordBrowser& browser_;
    SunkenFrame* frame_;
    TSPdyntex* text_;
    Tspecscr* scrollBar_;
    ElidedLabel* postid_;
    TSPknapp *deselect_, *copy_, *print_, *cite_;
};

}  // namespace tessla
