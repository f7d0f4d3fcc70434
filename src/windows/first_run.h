#pragma once

// The first run without a database: a dialog that offers to build the sample database (a made-up
// census of 200 000 persons) under the user's data folder or to use the folder of a database the
// user already has. The sample is generated and built in a worker thread under a progress dialog
// that can cancel it; a cancelled or failed build leaves no files and writes nothing. Only a
// choice carried out writes the user's own configuration file, and the database it names is then
// opened in the same run.

#include <cstdint>
#include <string>

#include <QDialog>

#include "base/configuration.h"
#include "builder/sample_database.h"

class QLabel;
class QPushButton;

namespace tessla {

class Program;

struct FirstRunPlaces {
    std::string userFile;         // the user's own configuration file
    std::string sampleDirectory;  // where the sample database is built
    std::string skinDirectory;    // the painted skin pictures the sample gets; empty: none
    std::uint64_t samplePersons = kSamplePersons;

    // The places for the running program: the user's file of `places`, the sample under
    // $XDG_DATA_HOME/tessla/, the skin beside the program.
    static FirstRunPlaces fromEnvironment(const ConfigurationPlaces& places);
};

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
