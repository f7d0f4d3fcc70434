#pragma once

// What the main window's export buttons do: the household shown saved as a GEDCOM file, the
// result list saved as a CSV file (in list order, or in the print window's sort order when one
// was chosen there), and the citation of the shown record copied. The windows only ask for a
// file name; the files are the core's and are written whole or not at all.

#include <functional>
#include <optional>

#include <QString>

#include "view/print_choices.h"
#include "view/record_browser.h"

class QWidget;

namespace tessla {

class Program;

class ExportActions {
  public:
    // How the actions ask the user: for a file name to save to (empty when cancelled), and
    // whether to go on after a notice. By default a save dialog and a message box over the
    // owner; tests answer themselves.
    struct Prompts {
        std::function<QString(const QString& title, const QString& suggested, const QString& filter)>
            fileName;
        std::function<bool(const QString& notice)> goOn;
    };

    // The owner, the program and the browser must outlive the actions.
    ExportActions(QWidget& owner, Program& program, const RecordBrowser& browser);

    Prompts& prompts() { return prompts_; }
    // The sort order a CSV file takes; nothing for the list's order.
    void setSortOrder(std::function<std::optional<PrintKeys>()> order) { sortOrder_ = std::move(order); }

    // Each waits for the busy gate and does nothing without persons to export.
    void saveHouseholdGedcom();
    void saveResultCsv();
    void copyCitation();

  private:
    // The file name the user chose in the folder last saved to, or empty.
    QString askFileName(const QString& title, const std::string& suggested, const QString& filter);
    // Writes `content` to `path`; a failure is told as the program's message.
    void write(const QString& path, const std::string& content);

    QWidget& owner_;
    Program& program_;
    const RecordBrowser& browser_;
    Prompts prompts_;
    std::function<std::optional<PrintKeys>()> sortOrder_;
    QString folder_;
};

}  // namespace tessla
