#pragma once

// The print window `Tskriv_form`: prints the persons of the result list as whole records, as a
// table sorted by the user's choice, as a household examination roll, or the household shown in
// the main window as a table, on the default printer or into a PDF file; and prints the record
// the main window shows, without showing itself. A job runs in the user-interface thread holding
// the program's busy gate, with a progress bar, a status text and Esc to cancel.

#include <optional>

#include <QDialog>
#include <QPrinter>

#include "census/person.h"
#include "view/print_outcome.h"
#include "view/print_plan.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;

namespace tessla {

class BackgroundPanel;
class ElidedLabel;
class Program;
class TSPknapp;
class Ttextform;

class Tskriv_form : public QDialog {
    Q_OBJECT

  public:
    // The program and the help window must outlive the window.
    Tskriv_form(Program& program, Ttextform& help, QWidget* parent = nullptr);
    ~Tskriv_form() override;

    // The main window's clear button: kind 0, sort orders 0 and 1, empty range fields.
    void resetChoices();
    // The range fields after a search: "1" and the number of persons found.
    void setRange(const QString& from, const QString& to);
    // The table's sort order once the user has chosen one in the sort lists (since the last
    // resetChoices); nothing before. The list's CSV file takes it.
    std::optional<PrintKeys> chosenSortOrder() const;
    // Prints `person` alone (the record the main window shows), portrait, on one job.
    void printSingleRecord(const Tenperson& person);

    // The printer every job prints on. With no system printer and no file name chosen, a job
    // asks for a PDF file first.
    QPrinter& printer() { return printer_; }
    bool printing() const { return printing_; }

  signals:
    // A job has read and sorted its persons and begins its first page.
    void jobPrinting();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void placeControls();
    void applyTexts(Language language);
    void fillKinds();
    void kindChosen(int kind);
    void setupPrinter();
    // Makes sure the printer has somewhere to print: a system printer or a file. False when the
    // user declined to choose a file.
    bool havePrinter();
    PrintSituation situation() const;
    void start();
    // Carries out one job's plan under the busy gate: reads, sorts and prints, then cleans up
    // however it ended.
    void run(const PrintPlan& plan);
    // Reads (and sorts) the plan's persons with the progress shown.
    CollectedPersons collect(const PrintPlan& plan);
    // Prints them on the printer; a cancelled job removes its file. How it ended, or nothing when
    // the printer failed (a message says so).
    std::optional<PrintOutcome> print(const PrintPlan& plan, const CollectedPersons& persons);
    // The line that tells how the last job ended, in the language of the moment; none hides it.
    void showOutcome(std::optional<PrintOutcome> outcome);
    bool step(int value);
    void setControlsEnabled(bool enabled);
    void showProgress(bool shown);
    QString status(const char* swedish, const char* english) const;

    Program& program_;
    Ttextform& help_;
    QPrinter printer_;
    bool printing_ = false;
    bool cancel_ = false;
    QString askedFile_;  // the PDF file the last job asked for
    bool sortChosen_ = false;
    std::optional<PrintOutcome> outcome_;  // the last job's end, shown until the next job

    BackgroundPanel* panel_;
    QLabel* skrivutlabel_;
    QComboBox* skrivtypcb_;
    QLabel* ordnalabel_;
    QLabel* firstsortlabel_;
    QComboBox* sort1cb_;
    QLabel* secondsortlabel_;
    QComboBox* sort2cb_;
    QLabel* antskrivlabel_;
    QLineEdit* startpostedit_;
    QLabel* postinterstreck_;
    QLineEdit* slutpostedit_;
    QLabel* notelabel_;
    QProgressBar* pg_;
    QLabel* statuslabel_;
    QLabel* avbrytlabel_;
    ElidedLabel* resultlabel_;
    TSPknapp* startknapp_;
    TSPknapp* startknappE_;
    TSPknapp* staellinknapp_;
    TSPknapp* staellinknappE_;
    TSPknapp* helpknapp_;
    TSPknapp* slutknapp_;
};

}  // namespace tessla
