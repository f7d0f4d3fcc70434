// tessla-db search on a generated sample of 200 000 persons agrees, row for row, with a plain
// scan of the census CSV.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "base/configuration.h"
#include "base/cp1252.h"
#include "csv_rows.h"
#include "database/database.h"
#include "sample_database.h"
#include "search/spelling_key.h"
#include "storage/collation.h"
#include "storage/temp_dir.h"
#include "tools/run_tool.h"

namespace tessla {
namespace {

constexpr std::uint64_t kPersons = 200000;
constexpr auto kAccent = CollationOrder::AccentRankOrder;
constexpr auto kFold = CollationOrder::SwedishOrder;

// One census row by field name, in Windows-1252 and trimmed of bytes 0 … 32.
class Person {
  public:
    Person(const test::CsvRow& header, const test::CsvRow& row) {
        for (std::size_t i = 0; i < header.size(); ++i)
            fields_[header[i]] = trim(utf8ToCp1252(Utf8View(row[i])).value());
    }
    const std::string& operator[](const std::string& field) const { return fields_.at(field); }

    static std::string trim(const std::string& s) {
        std::size_t begin = 0, end = s.size();
        while (begin < end && static_cast<unsigned char>(s[begin]) <= 32) ++begin;
        while (end > begin && static_cast<unsigned char>(s[end - 1]) <= 32) --end;
        return s.substr(begin, end - begin);
    }

  private:
    std::map<std::string, std::string> fields_;
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;) out.push_back(word);
    return out;
}

bool beginsWith(const std::string& value, const std::string& start, CollationOrder order) {
    return value.size() >= start.size() && CollCompareN(start, value, start.size(), order) == 0;
}
bool endsWith(const std::string& value, const std::string& end, CollationOrder order) {
    return value.size() >= end.size() &&
           CollCompare(value.substr(value.size() - end.size()), end, order) == 0;
}
std::string residenceParish(const Person& p) {
    return Person::trim(p["HEMFO"].substr(0, p["HEMFO"].find(';')));
}

struct Query {
    std::vector<std::string> arguments;  // UTF-8
    std::function<bool(const Person&)> matches;
};

class SearchAgreementTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir();
        const std::string csv = test::buildSampleDatabase(dir_->path(), kPersons);

        const auto rows = test::parseCsv(csv);
        persons_ = new std::vector<Person>();
        for (std::size_t i = 1; i < rows.size(); ++i) persons_->emplace_back(rows[0], rows[i]);
        // The result-list order: the person number of every record.
        Database db(nullptr);
        db.open(readConfiguration(dir_->path() + "db/"));
        personOf_ = new std::vector<std::int32_t>(kPersons + 1);
        for (std::int32_t person = 1; person <= db.tessllista().rowCount(); ++person) {
            db.tessllista().lasrad(person);
            (*personOf_)[db.tessllista().ord1()] = person;
        }
    }
    static void TearDownTestSuite() {
        delete dir_;
        delete persons_;
        delete personOf_;
    }

    // What the search should print: record, name and year of every matching person, in the
    // result-list order.
    static std::vector<std::string> scan(const Query& query) {
        std::vector<std::uint32_t> records;
        for (std::uint32_t r = 1; r <= persons_->size(); ++r) {
            if (query.matches((*persons_)[r - 1])) records.push_back(r);
        }
        std::sort(records.begin(), records.end(),
                  [](std::uint32_t a, std::uint32_t b) { return (*personOf_)[a] < (*personOf_)[b]; });
        std::vector<std::string> lines;
        for (const std::uint32_t r : records) {
            const Person& p = (*persons_)[r - 1];
            std::string name = p["ENAMN"];
            if (!name.empty() && !p["FNAMN"].empty()) name += ", ";
            name += p["FNAMN"];
            if (name.empty()) name = "(Ingen namnuppgift)";
            lines.push_back(std::to_string(r) + "\t" + cp1252ToUtf8(name).str() + "\t" +
                            cp1252ToUtf8(p["FODAR"].substr(0, 11)).str());
        }
        return lines;
    }

    static test::TempDir* dir_;
    static std::vector<Person>* persons_;
    static std::vector<std::int32_t>* personOf_;
};

test::TempDir* SearchAgreementTest::dir_ = nullptr;
std::vector<Person>* SearchAgreementTest::persons_ = nullptr;
std::vector<std::int32_t>* SearchAgreementTest::personOf_ = nullptr;

TEST_F(SearchAgreementTest, SearchPrintsWhatAScanOfTheCsvFinds) {
    const std::string sj = "Sj\xF6";  // Sjö
    const Query queries[] = {
        {{"--last-name", "Lund"}, [](const Person& p) { return beginsWith(p["ENAMN"], "Lund", kAccent); }},
        {{"--last-name", "\"Berg\""},
         [](const Person& p) { return CollCompare(p["ENAMN"], "Berg", kAccent) == 0; }},
        {{"--last-name", "*qvist"}, [](const Person& p) { return endsWith(p["ENAMN"], "qvist", kAccent); }},
        {{"--last-name", "*ström*", "--first-names", "Johan"},
         [](const Person& p) {
             const auto names = words(p["FNAMN"]);
             return CollContains(utf8ToCp1252("ström").value(), p["ENAMN"]) != 0 &&
                    std::any_of(names.begin(), names.end(),
                                [](const auto& n) { return beginsWith(n, "Johan", kFold); });
         }},
        {{"--last-name", "Sjö*berg"},
         [&](const Person& p) {
             return beginsWith(p["ENAMN"], sj, kAccent) && endsWith(p["ENAMN"], "berg", kAccent);
         }},
        {{"--first-names", "Anna Maria", "--year", "1860-1862"},
         [](const Person& p) {
             const auto names = words(p["FNAMN"]);
             const auto has = [&](const char* start) {
                 return std::any_of(names.begin(), names.end(),
                                    [&](const auto& n) { return beginsWith(n, start, kFold); });
             };
             return has("Anna") && has("Maria") && p["FODAR"] >= "1860" && p["FODAR"] <= "1862";
         }},
        {{"--residence", "Ed", "--occupation", "Torpare;Dräng"},
         [](const Person& p) {
             const std::string drang = utf8ToCp1252("Dräng").value();
             const auto occupation = [&](const std::string& v) {
                 return beginsWith(v, "Torpare", kAccent) || beginsWith(v, drang, kAccent);
             };
             return beginsWith(residenceParish(p), "Ed", kFold) &&
                    (occupation(p["YRKE"]) || occupation(p["TITEL"]));
         }},
        {{"--year", "1885-1880", "--residence", "Stockholm", "--residence-kind", "county"},
         [](const Person& p) { return p["FODAR"] == "1885" && beginsWith(p["HEMLEN"], "Stockholm", kFold); }},
        {{"--birth-place", "norge", "--birth-kind", "country"},
         [](const Person& p) {
             std::string land = p["FOLAND1890"];
             std::erase(land, '[');
             return beginsWith(Person::trim(land), "Norge", kFold);
         }},
    };
    for (const Query& query : queries) {
        std::vector<std::string> arguments = {"search", "--ini", dir_->path() + "db/tessla.ini", "--limit",
                                              "10000"};
        arguments.insert(arguments.end(), query.arguments.begin(), query.arguments.end());
        const auto run = test::runTool(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> expected = scan(query);
        std::vector<std::string> printed;
        std::istringstream out(run.out);
        for (std::string line; std::getline(out, line);) printed.push_back(line);
        ASSERT_LE(expected.size(), 10000u) << query.arguments[1];
        EXPECT_GT(expected.size(), 0u) << query.arguments[1];
        EXPECT_EQ(printed, expected) << query.arguments[0] << " " << query.arguments[1];
    }
}

// The printed lines of a tessla-db search on the sample.
std::string searchOutput(const std::string& ini, const std::vector<std::string>& criteria) {
    std::vector<std::string> arguments = {"search", "--ini", ini, "--limit", "100000"};
    arguments.insert(arguments.end(), criteria.begin(), criteria.end());
    const auto run = test::runTool(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

// A "~" search finds what the exact searches of every spelling of the name find together: the
// spellings are those a scan of the CSV groups under the name's key and the keys joined with it.
TEST_F(SearchAgreementTest, VariantSearchIsTheUnionOfTheExactSearchesOfItsSpellings) {
    struct VariantQuery {
        const char* option;
        const char* name;
        bool eachWord;  // first names: every blank-separated name of the field is a spelling
    };
    const VariantQuery queries[] = {
        {"--last-name", "Ersson", false},   {"--last-name", "Olofsson", false},
        {"--last-name", "Carlsson", false}, {"--last-name", "Mathsson", false},
        {"--first-names", "Wilhelm", true}, {"--first-names", "Gustaf", true},
        {"--first-names", "Pehr", true},    {"--first-names", "Carl", true},
    };
    const std::string ini = dir_->path() + "db/tessla.ini";
    for (const VariantQuery& query : queries) {
        const std::vector<std::string> family = spellingKeyFamily(spellingKey(query.name));
        std::set<std::string> spellings;
        for (const Person& person : *persons_) {
            const std::string& field = person[query.eachWord ? "FNAMN" : "ENAMN"];
            for (const std::string& name : query.eachWord ? words(field) : std::vector<std::string>{field}) {
                if (std::ranges::find(family, spellingKey(name)) != family.end()) spellings.insert(name);
            }
        }
        std::string exact;
        for (const std::string& spelling : spellings)
            exact += (exact.empty() ? "\"" : ";\"") + cp1252ToUtf8(spelling).str() + "\"";
        const std::string variant = searchOutput(ini, {query.option, std::string("~") + query.name});
        EXPECT_GT(spellings.size(), 1u) << query.name;
        EXPECT_FALSE(variant.empty()) << query.name;
        EXPECT_EQ(variant, searchOutput(ini, {query.option, exact})) << query.name << ": " << exact;
    }
}

}  // namespace
}  // namespace tessla
