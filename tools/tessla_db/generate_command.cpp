// tessla-db generate: the synthetic census CSV, to a file or stdout, with progress on stderr.

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "builder/census_generator.h"
#include "commands.h"
#include "options.h"
#include "progress_line.h"

namespace tessla::tool {

namespace {

struct GenerateOptions {
    std::uint64_t persons = 0;
    std::uint64_t seed = kDefaultGeneratorSeed;
    std::string out;  // empty: stdout
};

GenerateOptions parseOptions(const Arguments& arguments) {
    const Options options(arguments, {"--persons", "--seed", "--out"}, {});
    options.required("--persons");
    GenerateOptions generate;
    generate.persons = static_cast<std::uint64_t>(
        options.number("--persons", 1, static_cast<std::int64_t>(kMaxGeneratedPersons), 0));
    generate.seed = static_cast<std::uint64_t>(
        options.number("--seed", 0, INT64_MAX, static_cast<std::int64_t>(kDefaultGeneratorSeed)));
    generate.out = options.value("--out").value_or("");
    return generate;
}

void generate(const GenerateOptions& options, std::ostream& out) {
    CensusGenerator generator(options.persons, options.seed);
    ProgressLine progress = ProgressLine::forStderr("generate");
    const auto update = [&] {
        const std::uint64_t done = generator.personsWritten();
        progress.update({}, static_cast<double>(done) / static_cast<double>(options.persons),
                        std::to_string(done) + " / " + std::to_string(options.persons) + " persons");
    };
    CensusGenerator::writeHeader(out);
    for (std::uint64_t households = 0; generator.writeNextHousehold(out); ++households) {
        if (households % 1024 == 0) update();
        if (!out) break;
    }
    out.flush();
    if (!out) {
        throw std::runtime_error(std::string("cannot write ") +
                                 (options.out.empty() ? "to standard output" : options.out) + ": " +
                                 std::strerror(errno));
    }
    update();
}

}  // namespace

int generateCommand(const Arguments& arguments) {
    return runCommand("generate", "generate --persons N [--seed S] [--out FILE]", [&] {
        const GenerateOptions options = parseOptions(arguments);
        if (options.out.empty()) {
            std::ios::sync_with_stdio(false);
            generate(options, std::cout);
            return kExitOk;
        }
        std::ofstream file(options.out, std::ios::binary | std::ios::trunc);
        if (!file) throw std::runtime_error("cannot create " + options.out + ": " + std::strerror(errno));
        generate(options, file);
        return kExitOk;
    });
}

}  // namespace tessla::tool
