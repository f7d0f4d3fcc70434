#pragma once

// The search list picker `Tsoktabform`: one word list as a table (flat, or as a tree of parishes
// or countries with their places), quick find by typing, and marking entries with the right
// button. The marks stay in the list's `vald` selection; the caller reads the summary with
// `sammanfatta` (view/list_picks.h).

#include <QDialog>

#include "view/list_picks.h"

class QLabel;
class QLineEdit;

namespace tessla {

class BackgroundPanel;
class Program;
class SpecialCharacters;
class SunkenFrame;
class TSPknapp;
class TSPtab;
class Tspecscr;
class Ttextform;

class Tsoktabform : public QDialog {
    Q_OBJECT

  public:
    // The program and the help window must outlive the picker.
    Tsoktabform(Program& program, Ttextform& help, QWidget* parent = nullptr);
    ~Tsoktabform() override;

    // Shows `request` modally over `owner` (the search window), restoring the list's top and
    // current row from the program's picker positions and saving them when it closes. Returns 1
    // (OK or Enter) or 2 (Escape, the close button).
    int pick(const PickerRequest& request, QWidget& owner);

    // The two halves of `pick` around the showing: `prepare` fills the window for `request`
    // (`owner` must outlive the showing), `finish` saves the list's rows and lets go of the list.
    void prepare(const PickerRequest& request, QWidget& owner);
    void finish();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void place();
    void connectControls();
    void applyTexts(Language language);
    void showCount();
    // Rows changed in number (opening, closing, clearing): the grid takes the new count.
    void showRows();
    void mark(std::int32_t row, bool press);
    void toggleOpen(std::int32_t row);
    // A key on the grid that marks rows (view/list_picks.h); true when it was one.
    bool markByKey(const QKeyEvent& key);
    void quickFind(const QString& text);
    void emptyQuickFind();
    // `rensa` of the shown list: its marks removed, its opened rows closed, the table at its
    // first row and quick find empty.
    void rensa();

    Program& program_;
    Ttextform& help_;
    PickerRequest request_;
    QWidget* owner_ = nullptr;
    PickerTable table_{nullptr, false};
    PickerMarking marking_;
    bool fillingQuickFind_ = false;

    BackgroundPanel* panel_;
    QLabel* rubrik_;
    QLabel* extraHint_;
    SunkenFrame* frame_;
    TSPtab* tab_;
    Tspecscr* scr_;
    QLabel* count_;
    QLabel* quickFindLabel_;
    QLineEdit* snabbsokedit_;
    SpecialCharacters* specialCharacters_;
    TSPknapp *jaknapp_, *rensaknapp_, *rensaknappEnglish_, *helpknapp_, *slutknapp_;
};

}  // namespace tessla
