// tessla-db generate: the synthetic census CSV, to a file or stdout, with progress on stderr.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "builder/census_generator.h"
#include "commands.h"
#include "options.h"

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

// Progress once a second: on a terminal as one line rewritten in place, otherwise (large runs only) as lines.
class Progress {
  public:
    explicit Progress(std::uint64_t total)
        : total_(total), terminal_(isatty(STDERR_FILENO) != 0), enabled_(terminal_ || total >= 1'000'000) {}

    void update(std::uint64_t done, bool finished = false) {
        if (!enabled_) return;
        const auto now = std::chrono::steady_clock::now();
        if (!finished && now - last_ < std::chrono::seconds(1)) return;
        last_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        std::fprintf(stderr, "%sgenerate: %llu / %llu persons, %.0f persons/s%s", terminal_ ? "\r" : "",
                     static_cast<unsigned long long>(done), static_cast<unsigned long long>(total_),
                     seconds > 0 ? done / seconds : 0.0, terminal_ && !finished ? "" : "\n");
    }

  private:
    std::uint64_t total_;
    bool terminal_;
    bool enabled_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point last_ = start_;
};

void generate(const GenerateOptions& options, std::ostream& out) {
    CensusGenerator generator(options.persons, options.seed);
    Progress progress(options.persons);
    CensusGenerator::writeHeader(out);
    for (std::uint64_t households = 0; generator.writeNextHousehold(out); ++households) {
        if (households % 1024 == 0) progress.update(generator.personsWritten());
        if (!out) break;
    }
    out.flush();
    if (!out) {
        throw std::runtime_error(std::string("cannot write ") +
                                 (options.out.empty() ? "to standard output" : options.out) + ": " +
                                 std::strerror(errno));
    }
    progress.update(generator.personsWritten(), true);
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
