// tessla-db: the command-line companion of Tessla. Dispatches to one subcommand by its name.

#include <cstdio>
#include <iterator>
#include <string_view>

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

int usage() {
    std::fputs("usage: tessla-db <command> [options]\n", stderr);
    for (const Subcommand& subcommand : kSubcommands) std::fprintf(stderr, "  %s\n", subcommand.usage.data());
    return tessla::tool::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    for (const Subcommand& subcommand : kSubcommands) {
        if (subcommand.name == argv[1]) return subcommand.run(tessla::tool::Arguments(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "tessla-db: unknown command \"%s\"\n", argv[1]);
    return tessla::tool::kExitUsage;
}
