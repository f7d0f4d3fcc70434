// tessla-db household --ini FILE --record N [--lang sv|en] [--gedcom [--out FILE]]
//
// The household of a record as the household copy: name TAB year TAB role word per member,
// "----------" between families; or, with --gedcom, as the GEDCOM file the main window saves.

#include "census/household.h"
#include "commands.h"
#include "options.h"
#include "query_database.h"
#include "view/gedcom.h"

namespace tessla::tool {

int householdCommand(const Arguments& arguments) {
    return runCommand(
        "household", "household --ini FILE --record N [--lang sv|en] [--gedcom [--out FILE]]", [&] {
            const Options options(arguments, {"--ini", "--record", "--lang", "--out"}, {"--gedcom"});
            const Language language = languageOption(options);
            if (options.has("--out") && !options.flag("--gedcom")) throw UsageError("--out needs --gedcom");
            const auto query = openQueryDatabase(options.required("--ini"));
            HouseholdList household;
            household.buildHousehold(query->db, householdKey(recordOption(options, query->db)));
            if (options.flag("--gedcom")) {
                writeExport(options, householdGedcom(query->db, household, language));
                return kExitOk;
            }
            for (const std::string& line : householdCopyLines(household, language)) printText(line + "\r");
            return kExitOk;
        });
}

}  // namespace tessla::tool
