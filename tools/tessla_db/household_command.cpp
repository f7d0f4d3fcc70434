// tessla-db household --ini FILE --record N [--lang sv|en]
//
// The household of a record as the household copy: name TAB year TAB role word per member,
// "----------" between families.

#include "census/household.h"
#include "commands.h"
#include "options.h"
#include "query_database.h"

namespace tessla::tool {

int householdCommand(const Arguments& arguments) {
    return runCommand("household", "household --ini FILE --record N [--lang sv|en]", [&] {
        const Options options(arguments, {"--ini", "--record", "--lang"}, {});
        const Language language = languageOption(options);
        const auto query = openQueryDatabase(options.required("--ini"));
        HouseholdList household;
        household.buildHousehold(query->db, householdKey(recordOption(options, query->db)));
        for (const std::string& line : householdCopyLines(household, language)) printText(line + "\r");
        return kExitOk;
    });
}

}  // namespace tessla::tool
