#include "view/print_outcome.h"

#include "view/print_subtitle.h"

namespace tessla {

std::string printOutcomeText(const PrintOutcome& outcome, Language language) {
    if (outcome.cancelled) return inLanguage(language, "Utskriften avbröts", "Printing cancelled");
    const std::string printed =
        groupedNumber(outcome.pages, language) +
        (outcome.pages == 1 ? inLanguage(language, " sida utskriven", " page printed")
                            : inLanguage(language, " sidor utskrivna", " pages printed"));
    if (outcome.file.empty()) return printed + inLanguage(language, " på ", " on ") + outcome.printer;
    return printed + inLanguage(language, " till ", " to ") + outcome.file;
}

bool cancelRemovesFile(std::string_view file) {
    return !file.empty();
}

std::string printerStartFailure(Language language) {
    return inLanguage(language, "Skrivaren kunde inte starta utskriften.",
                      "The printer could not start the print.");
}

std::string printerFailure(Language language) {
    return inLanguage(language, "Utskriften misslyckades: skrivaren rapporterade ett fel.",
                      "The print failed: the printer reported an error.");
}

}  // namespace tessla
