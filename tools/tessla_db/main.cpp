// tessla-db: the command-line companion of Tessla. Dispatches to one subcommand by its name.

#include <cstdio>
#include <iterator>
#include <string_view>

#include "base/version.h"
#include "commands.h"

namespace {

struct Subcommand {
    std::string_view name;
    int (*run)(const tessla::tool::Arguments&);
    std::string_view usage;
};

constexpr Subcommand kSubcommands[] = {
    {"codec", tessla::tool::codecCommand,
     "codec pack|unpack ...   pack or unpack one codec block, stdin to stdout"},
    {"generate", tessla::tool::generateCommand,
     "generate --persons N [--seed S] [--out FILE]   synthetic census CSV (default stdout)"},
    {"build", tessla::tool::buildCommand,
     "build --csv FILE --out DIR [--force] [--help-texts DIR] [--skin DIR]   a database from a census CSV"},
    {"search", tessla::tool::personSearchCommand,
     "search --ini FILE [criteria] [--count] [--limit N]   persons found by up to six criteria"},
    {"child-search", tessla::tool::childSearchCommand,
     "child-search --ini FILE [criteria] [--count] [--limit N]   children found by their own and their "
     "family's data"},
    {"stats", tessla::tool::statsCommand,
     "stats --ini FILE --property P [--sort value|count] [criteria]   the values of a property over the "
     "result"},
    {"show", tessla::tool::showCommand,
     "show --ini FILE --record N [--lang sv|en] [--markup]   the person text of one record"},
    {"household", tessla::tool::householdCommand,
     "household --ini FILE --record N [--lang sv|en]   the household of one record"},
    {"inspect", tessla::tool::inspectCommand,
     "inspect --ini FILE   one line per component: name, open or closed, rows or records, file"},
};

void printUsage(std::FILE* out) {
    std::fprintf(out, "tessla-db %s: the command-line companion of Tessla\n", tessla::kProgramVersion.data());
    std::fputs("usage: tessla-db <command> [options]\n", out);
    for (const Subcommand& subcommand : kSubcommands) std::fprintf(out, "  %s\n", subcommand.usage.data());
    std::fputs("  help, --help   this list\n", out);
}

bool asksForHelp(std::string_view argument) {
    return argument == "help" || argument == "--help" || argument == "-h";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        printUsage(stderr);
        return tessla::tool::kExitUsage;
    }
    if (asksForHelp(argv[1])) {
        printUsage(stdout);
        return tessla::tool::kExitOk;
    }
    for (const Subcommand& subcommand : kSubcommands) {
        if (subcommand.name == argv[1]) return subcommand.run(tessla::tool::Arguments(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "tessla-db: unknown command \"%s\"\n", argv[1]);
    return tessla::tool::kExitUsage;
}
