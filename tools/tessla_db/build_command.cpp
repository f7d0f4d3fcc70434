// tessla-db build --csv FILE --out DIR [--force] [--help-texts DIR] [--skin DIR]
//
// Builds a database from a census CSV; progress and warnings go to stderr.

#include <cstdio>

#include "builder/database_builder.h"
#include "commands.h"
#include "options.h"

namespace tessla::tool {

int buildCommand(const Arguments& arguments) {
    return runCommand("build", "build --csv FILE --out DIR [--force] [--help-texts DIR] [--skin DIR]", [&] {
        const Options options(arguments, {"--csv", "--out", "--help-texts", "--skin"}, {"--force"});
        BuildOptions build;
        build.csvPath = options.required("--csv");
        build.outDir = options.required("--out");
        build.force = options.flag("--force");
        build.helpTextsDir = options.value("--help-texts").value_or("");
        build.skinDir = options.value("--skin").value_or("");
        const auto say = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
        buildDatabase(build, say, say);
        return kExitOk;
    });
}

}  // namespace tessla::tool
