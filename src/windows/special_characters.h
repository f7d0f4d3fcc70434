#pragma once

// The special-character buttons of the search windows and the picker: in English, "Insert
// character" and the buttons "å", "ä", "ö", "ü", for keyboards without them; hidden in Swedish.
// A press inserts its character into the line edit that has the focus, at the cursor, without
// taking the focus and without touching the clipboard.

#include <QWidget>

#include "census/person.h"

class QLabel;

namespace tessla {

class TSPknapp;

class SpecialCharacters : public QWidget {
    Q_OBJECT

  public:
    explicit SpecialCharacters(QWidget* parent = nullptr);

    // Shown in English only.
    void applyTexts(Language language);

  private:
    QLabel* label_;
};

}  // namespace tessla
