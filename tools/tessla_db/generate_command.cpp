// tessla-db generate: the synthetic census CSV, to a file or stdout, with progress on stderr.

#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>

#include "builder/census_generator.h"
#include "commands.h"

namespace tessla::tool {

namespace {

struct GenerateOptions {
    std::uint64_t persons = 0;
    std::uint64_t seed = kDefaultGeneratorSeed;
    std::string out;  // empty: stdout
};

std::optional<std::uint64_t> parseNumber(const std::string& text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "tessla-db generate: %s (usage: generate --persons N [--seed S] [--out FILE])\n",
                 message.c_str());
    return kExitUsage;
}

// Fills `options`; returns an exit status other than kExitOk on bad usage, having said why.
int parseOptions(const Arguments& arguments, GenerateOptions& options) {
    bool havePersons = false;
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        const std::string& name = arguments[i];
        if (i + 1 >= arguments.size()) return usageError(name + " needs a value");
        const std::string& value = arguments[i + 1];
        if (name == "--out") {
            options.out = value;
            continue;
        }
        const std::optional<std::uint64_t> number = parseNumber(value);
        if (name != "--persons" && name != "--seed") return usageError("unknown option " + name);
        if (!number) return usageError(name + " needs a whole number, not \"" + value + "\"");
        (name == "--persons" ? options.persons : options.seed) = *number;
        havePersons = havePersons || name == "--persons";
    }
    if (!havePersons) return usageError("--persons is required");
    if (options.persons < 1 || options.persons > kMaxGeneratedPersons) {
        return usageError("--persons must be 1 to " + std::to_string(kMaxGeneratedPersons));
    }
    return kExitOk;
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

int generate(const GenerateOptions& options, std::ostream& out) {
    CensusGenerator generator(options.persons, options.seed);
    Progress progress(options.persons);
    CensusGenerator::writeHeader(out);
    for (std::uint64_t households = 0; generator.writeNextHousehold(out); ++households) {
        if (households % 1024 == 0) progress.update(generator.personsWritten());
        if (!out) break;
    }
    out.flush();
    if (!out) {
        std::fprintf(stderr, "tessla-db generate: cannot write %s: %s\n",
                     options.out.empty() ? "to standard output" : options.out.c_str(), std::strerror(errno));
        return kExitBadInput;
    }
    progress.update(generator.personsWritten(), true);
    return kExitOk;
}

}  // namespace

int generateCommand(const Arguments& arguments) {
    GenerateOptions options;
    if (const int status = parseOptions(arguments, options); status != kExitOk) return status;
    if (options.out.empty()) {
        std::ios::sync_with_stdio(false);
        return generate(options, std::cout);
    }
    std::ofstream file(options.out, std::ios::binary | std::ios::trunc);
    if (!file) {
        std::fprintf(stderr, "tessla-db generate: cannot create %s: %s\n", options.out.c_str(),
                     std::strerror(errno));
        return kExitBadInput;
    }
    return generate(options, file);
}

}  // namespace tessla::tool
