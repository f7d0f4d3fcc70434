// tessla-db build --csv FILE --out DIR [--force] [--help-texts DIR] [--skin DIR]
//
// Builds a database from a census CSV; progress and warnings go to stderr.

#include <chrono>

#include "builder/database_builder.h"
#include "commands.h"
#include "options.h"
#include "progress_line.h"

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
        ProgressLine progress = ProgressLine::forStderr("build");
        build.steps = [&](const BuildStep& step) { progress.update(step.what, step.done); };
        const auto start = std::chrono::steady_clock::now();
        const BuildReport report =
            buildDatabase(build, nullptr, [&](const std::string& warning) { progress.note(warning); });
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        progress.note("built " + std::to_string(report.persons) + " persons in " +
                      std::to_string(static_cast<int>(seconds)) + " s");
        return kExitOk;
    });
}

}  // namespace tessla::tool
