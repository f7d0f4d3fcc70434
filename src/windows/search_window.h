#pragma once

// The two search windows: the person search `Tsok_form` (six criteria) and the child search
// `Tsokbarn_form` (fifteen criteria of the child, its father, its mother and a sibling). Each field
// is typed as a pattern or picked from its word list in the search list picker; the search itself
// is the search core's. Both close with 1 (OK) after a search and 2 (Cancel) otherwise.

#include <QDialog>

namespace tessla {

class Program;
class Ttextform;
class Tsoktabform;

class SearchWindow : public QDialog {
    Q_OBJECT

  public:
    // `rensa`: every field typed again and empty, place kinds back to their defaults, the picks of
    // this window's lists cleared; the first field gets the focus when the window shows.
    virtual void rensa() = 0;
    // Whether the last showing changed the result: a search (OK), or a search with every field
    // empty, which empties the result and closes with Cancel.
    bool changedResult() const { return changedResult_; }
    // The first field gets the focus when the window next shows (the main window's clear button
    // asks for it).
    void askFocus() { focusAsked_ = true; }

  protected:
    using QDialog::QDialog;
    bool changedResult_ = false;
    bool focusAsked_ = false;
};

}  // namespace tessla
