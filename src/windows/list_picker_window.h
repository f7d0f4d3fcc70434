#pragma once

// The search list picker `Tsoktabform`: one word list as a table (flat, or as a tree of parishes
// or countries with their places), quick find by typing, and marking entries with the right
// button. The marks stay in the list's `vald` selection; the caller reads the summary with
// `sammanfatta` (view/list_picks.h).

#include <QDialog>

#include "view/list_picks.h"

namespace tessla {

class Program;
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
};

}  // namespace tessla
