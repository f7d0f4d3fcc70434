#pragma once

// The first run without a database: a dialog that offers to build the sample database (a made-up
// census of 200 000 persons) under the user's data folder or to use the folder of a database the
// user already has. The sample's run (view/first_run.h) is shown under a progress dialog that can
// cancel it; the database a choice carried out names is opened in the same run.

#include <string>

#include <QDialog>

#include "view/first_run.h"

class QLabel;
class QPushButton;

namespace tessla {

class Program;

class FirstRunDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Choice { None, Sample, Directory };

    FirstRunDialog(Program& program, const FirstRunPlaces& places, QWidget* parent = nullptr);
    Choice choice() const { return choice_; }

  private:
    void retranslate();
    void choose(Choice choice);

    Program& program_;
    FirstRunPlaces places_;
    Choice choice_ = Choice::None;
    QLabel* heading_;
    QLabel* text_;
    QLabel* where_;
    QPushButton* language_;
    QPushButton* sample_;
    QPushButton* directory_;
    QPushButton* later_;
};

// Shows the dialog over `owner` and carries out the choice; true when a database was opened.
bool offerFirstRun(Program& program, QWidget& owner, const FirstRunPlaces& places);

// Builds the sample under a progress dialog over `owner`; when it is done writes the user's file
// and opens it. False when it was cancelled or failed (with a message), leaving nothing.
bool buildSample(Program& program, QWidget& owner, const FirstRunPlaces& places);

// Uses the database in `directory`: refused with a message when its cd/ or hd/ path would be
// longer than a component's directory may be, or when it does not open as a database; else the
// user's file names it and it is opened.
bool useDatabaseDirectory(Program& program, QWidget& owner, const FirstRunPlaces& places,
                          const std::string& directory);

}  // namespace tessla
