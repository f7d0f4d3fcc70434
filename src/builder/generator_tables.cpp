#include "builder/generator_tables.h"

#include <stdexcept>
#include <string_view>

#include "base/cp1252.h"
#include "embedded/generatorTable.h"

namespace tessla {

namespace {

// A tab-separated table: comment lines start with "#", the first other line names the columns.
class Table {
  public:
    explicit Table(std::string_view fileName) : fileName_(fileName) {
        const auto bytes = embedded::generatorTable(fileName);
        if (!bytes) fail("missing");
        std::string_view text = *bytes;
        while (!text.empty()) {
            const std::size_t end = std::min(text.find('\n'), text.size());
            const std::string_view line = text.substr(0, end);
            text.remove_prefix(std::min(end + 1, text.size()));
            if (line.empty() || line.front() == '#') continue;
            std::vector<std::string> cells = split(line);
            if (header_.empty()) {
                header_ = std::move(cells);
            } else if (cells.size() != header_.size()) {
                fail("row with " + std::to_string(cells.size()) + " cells");
            } else {
                rows_.push_back(std::move(cells));
            }
        }
    }

    std::size_t rows() const { return rows_.size(); }
    const std::string& text(std::size_t row, std::string_view column) const {
        for (std::size_t i = 0; i < header_.size(); ++i) {
            if (header_[i] == column) return rows_[row][i];
        }
        fail("no column " + std::string(column));
    }
    std::uint64_t number(std::size_t row, std::string_view column) const {
        const std::string& cell = text(row, column);
        if (cell.empty() || cell.find_first_not_of("0123456789") != std::string::npos)
            fail("not a number: " + cell);
        return std::stoull(cell);
    }

  private:
    std::vector<std::string> split(std::string_view line) const {
        std::vector<std::string> cells;
        for (;;) {
            const std::size_t tab = line.find('\t');
            std::string cell(line.substr(0, tab));
            if (!utf8ToCp1252(Utf8View(cell))) fail("not Windows-1252: " + cell);
            cells.push_back(std::move(cell));
            if (tab == std::string_view::npos) return cells;
            line.remove_prefix(tab + 1);
        }
    }
    [[noreturn]] void fail(const std::string& what) const {
        throw std::logic_error("generator table " + fileName_ + ": " + what);
    }

    std::string fileName_;
    std::vector<std::string> header_;
    std::vector<std::vector<std::string>> rows_;
};

// "\n" in a table cell stands for a line break.
std::string unescape(std::string text) {
    for (std::size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", at + 1)) {
        text.replace(at, 2, "\n");
    }
    return text;
}

std::string noneIfDash(const std::string& text) {
    return text == "-" || text == "0" ? std::string() : text;
}

void loadGeography(GeneratorTables& tables) {
    const Table counties("counties.tsv");
    for (std::size_t row = 0; row < counties.rows(); ++row) {
        const int code = static_cast<int>(counties.number(row, "code"));
        tables.counties[code] = {code, counties.text(row, "county"), counties.number(row, "population")};
    }
    const Table parishes("parishes.tsv");
    for (std::size_t row = 0; row < parishes.rows(); ++row) {
        tables.parishes.push_back(
            {parishes.text(row, "parish"), static_cast<int>(parishes.number(row, "county")),
             parishes.text(row, "province"), parishes.text(row, "code"), parishes.text(row, "town") == "1"});
        tables.county(tables.parishes.back().county);
    }
}

void loadPeople(GeneratorTables& tables) {
    const Table ages("age_sex_1890.tsv");
    if (ages.rows() != 101)
        throw std::logic_error("generator table age_sex_1890.tsv: ages 0 to 100 expected");
    std::uint64_t sums[2] = {0, 0};
    for (std::size_t age = 0; age < 101; ++age) {
        tables.cumulativeAge[0][age] = sums[0] += ages.number(age, "men");
        tables.cumulativeAge[1][age] = sums[1] += ages.number(age, "women");
    }
    const Table firstNames("first_names.tsv");
    for (std::size_t row = 0; row < firstNames.rows(); ++row) {
        const int sex = firstNames.text(row, "sex") == "K" ? 1 : 0;
        tables.firstNames[sex].add(firstNames.text(row, "name"), firstNames.number(row, "count"));
    }
    const Table surnames("surnames.tsv");
    for (std::size_t row = 0; row < surnames.rows(); ++row) {
        tables.surnames[surnames.text(row, "kind")].add(surnames.text(row, "surname"),
                                                        surnames.number(row, "count"));
    }
}

void loadWork(GeneratorTables& tables) {
    const Table occupations("occupations.tsv");
    for (std::size_t row = 0; row < occupations.rows(); ++row) {
        const std::string& setting = occupations.text(row, "setting");
        const Occupation occupation{noneIfDash(occupations.text(row, "occupation")),
                                    noneIfDash(occupations.text(row, "code"))};
        for (int s = 0; s < 2; ++s) {
            if (setting == "*" || setting == (s == 0 ? "land" : "stad")) {
                tables.occupations[s][occupations.text(row, "group")].add(occupation,
                                                                          occupations.number(row, "weight"));
            }
        }
    }
}

void loadAbroadAndMarks(GeneratorTables& tables) {
    const Table countries("countries.tsv");
    for (std::size_t row = 0; row < countries.rows(); ++row) {
        Country country{countries.text(row, "country"), countries.text(row, "nationality"), {}};
        std::string_view places = countries.text(row, "places");
        // The first place is the country itself, written as often as all the others together.
        for (std::uint64_t weight = 6; !places.empty(); weight = 1) {
            const std::size_t bar = std::min(places.find('|'), places.size());
            country.places.add(std::string(places.substr(0, bar)), weight);
            places.remove_prefix(std::min(bar + 1, places.size()));
        }
        tables.countries.add(std::move(country), countries.number(row, "weight"));
    }
    for (auto [fileName, target] :
         {std::pair{"places.tsv", &tables.places}, std::pair{"marks.tsv", &tables.marks}}) {
        const Table table(fileName);
        const bool hasValue = std::string_view(fileName) == "marks.tsv";
        for (std::size_t row = 0; row < table.rows(); ++row) {
            (*target)[table.text(row, "kind")].add(unescape(table.text(row, hasValue ? "value" : "text")),
                                                   table.number(row, "weight"));
        }
    }
}

}  // namespace

const GeneratorTables& generatorTables() {
    static const GeneratorTables tables = [] {
        GeneratorTables loaded;
        loadGeography(loaded);
        loadPeople(loaded);
        loadWork(loaded);
        loadAbroadAndMarks(loaded);
        return loaded;
    }();
    return tables;
}

}  // namespace tessla
