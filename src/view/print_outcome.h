#pragma once

// How a print job ends: the line the print window keeps once the job is done, what a cancelled
// job leaves behind, and the messages of a printer that fails.

#include <string>
#include <string_view>

#include "base/language.h"

namespace tessla {

struct PrintOutcome {
    bool cancelled = false;
    int pages = 0;
    // The PDF file printed to (UTF-8), empty on a printer.
    std::string file;
    // The printer's name (UTF-8) when not printing to a file.
    std::string printer;

    static PrintOutcome cancelledJob() { return {true, 0, {}, {}}; }
};
// That line (UTF-8): "17 sidor utskrivna till /hem/tessla.pdf" / "17 pages printed to …", "… på
// Skrivaren" / "… on Printer" for a printer, "Utskriften avbröts" / "Printing cancelled".
std::string printOutcomeText(const PrintOutcome& outcome, Language language);

// Whether a job ended by a cancel removes `file` (UTF-8, empty on a printer): the file was made
// when the job began, and a cancelled job leaves none behind.
bool cancelRemovesFile(std::string_view file);

// The message of a printer that cannot start a job, and of one that reports an error at its end.
std::string printerStartFailure(Language language);
std::string printerFailure(Language language);

}  // namespace tessla
