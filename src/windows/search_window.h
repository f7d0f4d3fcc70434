#pragma once

// The two search windows: the person search `Tsok_form` (six criteria) and the child search
// `Tsokbarn_form` (fifteen criteria of the child, its father, its mother and a sibling). Each field
// is typed as a pattern or picked from its word list in the search list picker; the search itself
// is the search core's. Both close with 1 (OK) after a search and 2 (Cancel) otherwise.
//
// Both are one window made from their table of fields (view/search_fields.h): a row per field
// with its label, edit field, type and list buttons and place-kind buttons.

#include <array>
#include <utility>
#include <vector>

#include <QDialog>

#include "view/search_fields.h"

class QLabel;
class QLineEdit;
class QGridLayout;

namespace tessla {

class BackgroundPanel;
class Program;
class SpecialCharacters;
class TSPknapp;
class Ttextform;
class Tsoktabform;

// What the main window knows of a search window.
class SearchWindow : public QDialog {
    Q_OBJECT

  public:
    // `rensa`: every field typed again and empty, place kinds back to parish, the picks and picker
    // rows of this window's lists cleared; the first field gets the focus at once while the window
    // is showing, else when it next shows.
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

// Both search windows: one window made from a table of fields.
class FieldSearchWindow : public SearchWindow {
    Q_OBJECT

  public:
    ~FieldSearchWindow() override;
    void rensa() override;

  protected:
    // The program, the picker and the help window must outlive the window.
    FieldSearchWindow(SearchForm form, Program& program, Tsoktabform& picker, Ttextform& help,
                      QWidget* parent);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The controls of one field.
    struct Row {
        SearchField* field;
        QLabel* label;
        QLineEdit* edit;
        TSPknapp* type = nullptr;
        TSPknapp* list = nullptr;
        std::array<TSPknapp*, 4> kinds{};  // by PlaceKind; null where the field offers none
    };

    void makeRows(QGridLayout& grid);
    void makeRow(QGridLayout& grid, int line, SearchField& field, int kindWidth);
    void makeButtons(QGridLayout& grid, int lines);
    void connectRow(Row& row);
    // Shows what the field's state says: text, look, pressed buttons.
    void showRow(Row& row);

    void toListMode(Row& row);
    void toTypeMode(Row& row);
    void setKind(Row& row, PlaceKind kind);
    // `dosokning` / `dobarnsokning`: searches and closes, with OK, or with Cancel when no field is
    // filled.
    void search();
    void focusFirstField();
    // The focus to the first field after `row` that takes typing, else to the search button: where
    // Enter searches.
    void focusAfter(const Row& row);
    void applyTexts(Language language);

    Program& program_;
    Tsoktabform& picker_;
    Ttextform& help_;
    SearchFields fields_;
    BackgroundPanel* panel_;
    std::vector<Row> rows_;
    std::vector<std::pair<QLabel*, FieldGroup>> headings_;
    TSPknapp *search_ = nullptr, *searchEnglish_ = nullptr;
    TSPknapp *clear_ = nullptr, *clearEnglish_ = nullptr;
    TSPknapp *helpknapp_ = nullptr, *slutknapp_ = nullptr;
    SpecialCharacters* specials_ = nullptr;
};

// `Tsok_form`: the person search.
class Tsok_form : public FieldSearchWindow {
    Q_OBJECT

  public:
    Tsok_form(Program& program, Tsoktabform& picker, Ttextform& help, QWidget* parent = nullptr);
};

// `Tsokbarn_form`: the child search.
class Tsokbarn_form : public FieldSearchWindow {
    Q_OBJECT

  public:
    Tsokbarn_form(Program& program, Tsoktabform& picker, Ttextform& help, QWidget* parent = nullptr);
};

}  // namespace tessla
