// tessla-db show --ini FILE --record N [--lang sv|en] [--markup]
//
// The person text of one record; markup stripped unless --markup.

#include "commands.h"
#include "options.h"
#include "query_database.h"

namespace tessla::tool {

int showCommand(const Arguments& arguments) {
    return runCommand("show", "show --ini FILE --record N [--lang sv|en] [--markup]", [&] {
        const Options options(arguments, {"--ini", "--record", "--lang"}, {"--markup"});
        const Language language = languageOption(options);
        const auto query = openQueryDatabase(options.required("--ini"));
        const std::string text = buildPersonText(recordOption(options, query->db), language);
        printText(options.flag("--markup") ? text : stripMarkup(text));
        return kExitOk;
    });
}

}  // namespace tessla::tool
