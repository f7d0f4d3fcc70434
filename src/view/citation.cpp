#include "view/citation.h"

#include "base/cp1252.h"
#include "view/gedcom.h"
#include "view/help_topic.h"

namespace tessla {

std::string sourceCitation(const Tenperson& person, Language language, std::string_view version,
                           std::optional<CalendarDate> databaseDate) {
    const std::optional<std::string> edition =
        utf8ToCp1252(Utf8View(programEdition(language, version, databaseDate)));
    return censusTitle(language) + ", " + censusPage(person, language) + " (" + edition.value_or("Tessla") +
           ")";
}

}  // namespace tessla
