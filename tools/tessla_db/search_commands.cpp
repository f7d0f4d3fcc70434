// tessla-db search, child-search and stats: the person search, the child search and the
// statistics of a property over the result, with the criteria of the search windows.

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

#include "base/cp1252.h"
#include "census/person_list_rows.h"
#include "commands.h"
#include "options.h"
#include "query_database.h"
#include "search/child_search.h"
#include "search/person_search.h"
#include "search/statistics.h"
#include "view/csv_export.h"

namespace tessla::tool {
namespace {

// An option that fills a criterion, the option that sets its place kind ("" for none), and
// whether it is a name field, which takes "~" words.
template <typename Search>
struct CriterionOption {
    std::string_view name;
    Criterion Search::*field;
    std::string_view kindName;
    bool names = false;
};

constexpr CriterionOption<PersonSearch> kPersonOptions[] = {
    {"--last-name", &PersonSearch::lastName, "", true},
    {"--first-names", &PersonSearch::firstNames, "", true},
    {"--occupation", &PersonSearch::occupation, ""},
    {"--year", &PersonSearch::year, ""},
    {"--birth-place", &PersonSearch::birthPlace, "--birth-kind"},
    {"--residence", &PersonSearch::residence, "--residence-kind"},
};

constexpr CriterionOption<ChildSearch> kChildOptions[] = {
    {"--child-first-names", &ChildSearch::childFirstNames, "", true},
    {"--child-year", &ChildSearch::childYear, ""},
    {"--child-residence", &ChildSearch::childResidence, "--child-residence-kind"},
    {"--child-birth-place", &ChildSearch::childBirthPlace, "--child-birth-kind"},
    {"--father-first-names", &ChildSearch::fatherFirstNames, "", true},
    {"--father-last-name", &ChildSearch::fatherLastName, "", true},
    {"--father-year", &ChildSearch::fatherYear, ""},
    {"--father-occupation", &ChildSearch::fatherOccupation, ""},
    {"--father-birth-place", &ChildSearch::fatherBirthPlace, "--father-birth-kind"},
    {"--mother-first-names", &ChildSearch::motherFirstNames, "", true},
    {"--mother-last-name", &ChildSearch::motherLastName, "", true},
    {"--mother-year", &ChildSearch::motherYear, ""},
    {"--mother-occupation", &ChildSearch::motherOccupation, ""},
    {"--mother-birth-place", &ChildSearch::motherBirthPlace, "--mother-birth-kind"},
    {"--sibling-first-names", &ChildSearch::siblingFirstNames, "", true},
};

// Residences have no country kind.
bool isResidenceKind(std::string_view kindName) {
    return kindName.find("residence") != std::string_view::npos;
}

PlaceKind parseKind(std::string_view option, const std::string& value) {
    static const std::map<std::string, PlaceKind, std::less<>> kinds = {{"county", PlaceKind::County},
                                                                        {"parish", PlaceKind::Parish},
                                                                        {"province", PlaceKind::Province},
                                                                        {"country", PlaceKind::Country}};
    const auto found = kinds.find(value);
    if (found == kinds.end() || (isResidenceKind(option) && found->second == PlaceKind::Country)) {
        throw UsageError(std::string(option) + " is county, parish, province" +
                         (isResidenceKind(option) ? "" : " or country") + ", not \"" + value + "\"");
    }
    return found->second;
}

template <typename Search, std::size_t N>
std::set<std::string_view> optionNames(const CriterionOption<Search> (&table)[N]) {
    std::set<std::string_view> names;
    for (const auto& option : table) {
        names.insert(option.name);
        if (!option.kindName.empty()) names.insert(option.kindName);
    }
    return names;
}

template <typename Search, std::size_t N>
Search criteriaOf(const Options& options, const CriterionOption<Search> (&table)[N]) {
    Search search{};
    for (const auto& option : table) {
        Criterion& criterion = search.*option.field;
        if (const auto text = options.value(option.name)) {
            criterion.text = databaseText(Utf8View(*text), option.name);
            if (option.names && holdsStarredVariant(criterion.text)) {
                throw UsageError(std::string(option.name) +
                                 ": a \"~\" word finds the spellings of a whole name "
                                 "and cannot hold \"*\": \"" +
                                 *text + "\"");
            }
        }
        if (const auto kind = option.kindName.empty() ? std::nullopt : options.value(option.kindName)) {
            criterion.kind = parseKind(option.kindName, *kind);
        }
    }
    return search;
}

template <typename Search, std::size_t N>
std::set<std::string_view> withOptions(const CriterionOption<Search> (&table)[N],
                                       std::set<std::string_view> more) {
    std::set<std::string_view> names = optionNames(table);
    names.insert(more.begin(), more.end());
    return names;
}

// Prints the result list: record number TAB name TAB year per person, at most --limit rows and at
// most the export limit of the configuration.
void printResult(QueryDatabase& query, const Options& options, std::int32_t found) {
    if (options.flag("--count")) {
        std::printf("%d\n", found);
        return;
    }
    const auto limit = static_cast<std::int32_t>(
        std::min<std::int64_t>(options.number("--limit", 0, INT32_MAX, 50), query.config.exportLimit));
    PersonListWindow window(query.db.tessllista());
    const std::int32_t shown = std::min(found, limit);
    for (std::int32_t row = 1; row <= shown; ++row) {
        const std::string line = std::to_string(window.recordNumber(row)) + "\t" +
                                 window.personListCell(row, 1) + "\t" + window.personListCell(row, 2);
        std::printf("%s\n", cp1252ToUtf8(line).str().c_str());
    }
    if (shown < found) {
        std::fflush(stdout);  // the rows come before the note about the rest
        std::fprintf(stderr, "shown %d of %d\n", shown, found);
    }
}

// Writes the result list as the main window's CSV export: at most --limit rows (the export limit
// when not given) and never more than the export limit, with a note on stderr when the result
// holds more.
void writeResultCsv(QueryDatabase& query, const Options& options) {
    const std::int32_t exportLimit = query.config.exportLimit;
    if (exportLimit <= 0)
        throw UnusableDatabase("the export limit of the configuration is 0: exports are off");
    const auto limit = static_cast<std::int32_t>(
        std::min<std::int64_t>(options.number("--limit", 0, INT32_MAX, exportLimit), exportLimit));
    const CsvExport csv =
        exportResult(query.db, limit, std::nullopt, languageOption(options), [] { return true; });
    writeExport(options, csv.text);
    if (csv.written < csv.available) {
        std::fflush(stdout);  // the rows come before the note about the rest
        std::fprintf(stderr, "%s\n",
                     exportLimitNotice(csv.written, csv.available, Language::English).c_str());
    }
}

template <typename Search, std::size_t N>
int searchCommand(const Arguments& arguments, std::string_view command, std::string_view usage,
                  const CriterionOption<Search> (&table)[N],
                  std::optional<std::int32_t> (*run)(Database&, const Search&, PersonListWindow*)) {
    return runCommand(command, usage, [&] {
        const Options options(arguments, withOptions(table, {"--ini", "--limit", "--lang", "--out"}),
                              {"--count", "--csv"});
        const Search search = criteriaOf(options, table);
        if ((options.has("--out") || options.has("--lang")) && !options.flag("--csv"))
            throw UsageError("--out and --lang need --csv");
        const auto query = openQueryDatabase(options.required("--ini"));
        const std::optional<std::int32_t> found = run(query->db, search, nullptr);
        if (!found) throw UsageError("no search criterion given");
        if (options.flag("--csv")) {
            writeResultCsv(*query, options);
        } else {
            printResult(*query, options, *found);
        }
        return kExitOk;
    });
}

StatisticsProperty parseProperty(const std::string& value) {
    static const std::map<std::string, StatisticsProperty, std::less<>> properties = {
        {"year", StatisticsProperty::Year},
        {"occupation", StatisticsProperty::Occupation},
        {"birth-parish", StatisticsProperty::BirthParish},
        {"birth-county", StatisticsProperty::BirthCounty},
        {"residence-parish", StatisticsProperty::ResidenceParish},
        {"residence-county", StatisticsProperty::ResidenceCounty}};
    const auto found = properties.find(value);
    if (found == properties.end()) throw UsageError("unknown property \"" + value + "\"");
    return found->second;
}

}  // namespace

int personSearchCommand(const Arguments& arguments) {
    return searchCommand(arguments, "search",
                         "search --ini FILE [--last-name P] [--first-names P] [--occupation P] [--year P] "
                         "[--birth-place P [--birth-kind K]] [--residence P [--residence-kind K]] [--count] "
                         "[--limit N] [--csv [--lang sv|en] [--out FILE]]",
                         kPersonOptions, &dosokning);
}

int childSearchCommand(const Arguments& arguments) {
    return searchCommand(
        arguments, "child-search",
        "child-search --ini FILE [--child-first-names P] … [--sibling-first-names P] [--count] "
        "[--limit N] [--csv [--lang sv|en] [--out FILE]]",
        kChildOptions, &dobarnsokning);
}

int statsCommand(const Arguments& arguments) {
    return runCommand("stats",
                      "stats --ini FILE --property "
                      "year|occupation|birth-parish|birth-county|residence-parish|residence-county "
                      "[--sort value|count] [criteria of search]",
                      [&] {
                          const Options options(
                              arguments, withOptions(kPersonOptions, {"--ini", "--property", "--sort"}), {});
                          const StatisticsProperty property = parseProperty(options.required("--property"));
                          const std::string sort = options.value("--sort").value_or("value");
                          if (sort != "value" && sort != "count")
                              throw UsageError("--sort is value or count, not \"" + sort + "\"");
                          const PersonSearch search = criteriaOf(options, kPersonOptions);
                          const auto query = openQueryDatabase(options.required("--ini"));
                          Tspsmalurval& result = query->db.tessllista().vald();
                          if (!dosokning(query->db, search, nullptr)) {
                              result.fyllalla();
                          }
                          const Statistics statistics = buildStatistics(
                              query->db, result, property,
                              sort == "count" ? StatisticsSort::Count : StatisticsSort::Value);
                          for (const StatisticsRow& row : statistics.rows) {
                              std::printf("%s\t%d\n", cp1252ToUtf8(row.text).str().c_str(), row.count);
                          }
                          std::printf("%s\n", cp1252ToUtf8(statisticsSummary(statistics)).str().c_str());
                          return kExitOk;
                      });
}

}  // namespace tessla::tool
