// The synthetic census: its CSV form, determinism, household shapes and roles, and plausibility against
// the 1890 figures within stated bounds, read back with the test's own RFC 4180 reader.

#include "builder/census_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "builder/generator_tables.h"
#include "csv_rows.h"

namespace tessla {
namespace {

using test::parseCsv;
using Row = test::CsvRow;

std::string generate(std::uint64_t persons, std::uint64_t seed) {
    std::ostringstream out;
    generateCensus(persons, seed, out);
    return out.str();
}

std::string trim(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(' ');
    return begin == std::string::npos ? std::string()
                                      : text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

constexpr const char* kRareLetters[] = {"é", "ü", "ø", "æ"};

bool isYear(const std::string& text) {
    return text.size() == 4 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A census of 30 000 persons, seed 1890, as records of named fields.
class CensusTest : public ::testing::Test {
  protected:
    struct Person {
        std::map<std::string, std::string> fields;
        const std::string& operator[](const std::string& name) const { return fields.at(name); }
        std::string household() const {
            return fields.at("HEMLEN") + ";" + fields.at("HEMFO") + ";" + fields.at("HUSHNR");
        }
        std::string family() const { return household() + "#" + fields.at("FAMNR"); }
        char role() const {
            const std::string code = trim(fields.at("FAMSTKOD"));
            return code.empty() ? '-'
                                : static_cast<char>(std::toupper(static_cast<unsigned char>(code.back())));
        }
    };

    static constexpr std::uint64_t kPersons = 30000;

    static void SetUpTestSuite() {
        rows_ = new std::vector<Row>(parseCsv(generate(kPersons, kDefaultGeneratorSeed)));
        persons_ = new std::vector<Person>;
        for (std::size_t r = 1; r < rows_->size(); ++r) {
            Person person;
            for (std::size_t c = 0; c < (*rows_)[0].size() && c < (*rows_)[r].size(); ++c) {
                person.fields[(*rows_)[0][c]] = (*rows_)[r][c];
            }
            persons_->push_back(std::move(person));
        }
    }
    static void TearDownTestSuite() {
        delete rows_;
        delete persons_;
    }

    template <class Predicate>
    static double share(Predicate predicate) {
        return static_cast<double>(std::count_if(persons_->begin(), persons_->end(), predicate)) /
               persons_->size();
    }

    static std::vector<Row>* rows_;
    static std::vector<Person>* persons_;
};

std::vector<Row>* CensusTest::rows_ = nullptr;
std::vector<CensusTest::Person>* CensusTest::persons_ = nullptr;

TEST_F(CensusTest, WritesTheTwentySevenColumnsWithinTheBuildersLimits) {
    const Row header = {"POSTID",   "HEMLEN", "HEMFO",      "HEMBY",     "HUSHNR",     "FAMST",    "FAMNR",
                        "FAMSTKOD", "FNAMN",  "ENAMN",      "TITEL",     "YRKE",       "YRKESKOD", "LYTE",
                        "FODAR",    "FOFORS", "FOFORS1890", "FOLEN1890", "FOLAND1890", "SCB1989",  "GENUS",
                        "CIVST",    "TRO",    "NATION",     "FRANV",     "STRUKEN",    "ÖVRIGT"};
    ASSERT_EQ((*rows_)[0], header);
    ASSERT_EQ(rows_->size(), kPersons + 1);
    const std::set<std::string> places = {"HEMLEN",     "HEMFO",     "HEMBY",     "FOFORS",
                                          "FOFORS1890", "FOLEN1890", "FOLAND1890"};
    std::set<std::string> postIds;
    bool multiLineRemark = false;
    for (std::size_t r = 1; r < rows_->size(); ++r) {
        const Row& row = (*rows_)[r];
        ASSERT_EQ(row.size(), header.size()) << "row " << r;
        EXPECT_TRUE(postIds.insert(row[0]).second) << "POSTID " << row[0] << " twice";
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string& value = row[c];
            const std::optional<std::string> bytes = utf8ToCp1252(Utf8View(value));
            ASSERT_TRUE(bytes) << header[c] << " \"" << value << "\" is not Windows-1252";
            const bool remarks = header[c] == "ÖVRIGT";
            EXPECT_LE(bytes->size(), remarks ? 9999u : 6000u) << header[c];
            if (remarks) {
                multiLineRemark = multiLineRemark || value.find('\n') != std::string::npos;
            } else {
                EXPECT_EQ(value.find_first_of("\r\n"), std::string::npos)
                    << header[c] << " \"" << value << "\"";
            }
            if (places.count(header[c])) {
                EXPECT_EQ(value.find('&'), std::string::npos) << header[c] << " " << value;
            }
            const bool bracketed =
                header[c] == "FOLAND1890" && value.size() > 2 && value.front() == '[' && value.back() == ']';
            const std::string inside = bracketed ? value.substr(1, value.size() - 2) : value;
            EXPECT_EQ(inside.find_first_of("[]"), std::string::npos) << header[c] << " \"" << value << "\"";
        }
    }
    EXPECT_TRUE(multiLineRemark);
}

TEST(CensusGeneratorTest, IsDeterministicForASeedAndWritesExactlyThePersonsAsked) {
    for (std::uint64_t persons : {1u, 7u, 2000u}) {
        const std::string text = generate(persons, 42);
        EXPECT_EQ(text, generate(persons, 42));
        EXPECT_EQ(parseCsv(text).size(), persons + 1);
    }
    EXPECT_NE(generate(2000, 42), generate(2000, 43));
    EXPECT_THROW(CensusGenerator(0, 1), std::invalid_argument);
    EXPECT_THROW(CensusGenerator(kMaxGeneratedPersons + 1, 1), std::invalid_argument);
}

TEST_F(CensusTest, HouseholdsAreTogetherOfRealisticSizesAndSeveralFamilies) {
    std::map<std::string, int> sizes;
    std::map<std::string, std::set<std::string>> families;
    std::string previous;
    for (const Person& person : *persons_) {
        const std::string key = person.household();
        if (key != previous) {
            EXPECT_EQ(sizes.count(key), 0u) << "household " << key << " split";
        }
        previous = key;
        ++sizes[key];
        families[key].insert(person["FAMNR"]);
    }
    const double mean = static_cast<double>(persons_->size()) / sizes.size();
    EXPECT_GE(mean, 3.5);
    EXPECT_LE(mean, 5.0);
    const auto count = [&](auto predicate) {
        return static_cast<double>(std::count_if(sizes.begin(), sizes.end(), predicate)) / sizes.size();
    };
    const double alone = count([](const auto& entry) { return entry.second == 1; });
    EXPECT_GE(alone, 0.10);
    EXPECT_LE(alone, 0.30);
    EXPECT_GE(count([](const auto& entry) { return entry.second >= 8; }), 0.03);
    const double severalFamilies =
        static_cast<double>(std::count_if(families.begin(), families.end(),
                                          [](const auto& e) { return e.second.size() > 1; })) /
        families.size();
    EXPECT_GE(severalFamilies, 0.10);
    EXPECT_LE(severalFamilies, 0.60);
}

TEST_F(CensusTest, RolesAgreeWithFamilyStatusSexCivilStatusAndParentsAges) {
    const std::map<std::string, std::string> allowedRoles = {
        {"Husbonde", "F"},   {"Husfader", "F"},     {"Man", "F"},       {"Hustru", "M"},
        {"Hustrun", "M"},    {"Maka", "M"},         {"Son", "BF"},      {"Dotter", "BM"},
        {"Fosterson", "B"},  {"Fosterdotter", "B"}, {"Oäkta son", "B"}, {"Oäkta dotter", "B"},
        {"Sonson", "B"},     {"Sondotter", "B"},    {"Dotterson", "B"}, {"Dotterdotter", "B"},
        {"Sonhustru", "M"},  {"Måg", "F"},          {"Änka", "ME"},     {"Husmoder", "ME"},
        {"Änkling", "FE"},   {"Ogift", "ME"},       {"Ensam", "E"},     {"", "E"},
        {"Inhyses", "FE"},   {"Inneboende", "FE"},  {"Dräng", "E"},     {"Piga", "E"},
        {"Tjenarinna", "E"}, {"Fader", "E"},        {"Moder", "E"},     {"Svärfar", "E"},
        {"Svärmoder", "E"},  {"Syster", "E"},       {"Broder", "E"}};
    const std::set<std::string> civilKeys = {"OM", "GM", "EK", "XM", "SM", "FM", "UM",
                                             "EM", "FK", "GK", "OK", "XK", "SK", "UK"};
    std::map<std::string, const Person*> father, mother;
    int children = 0;
    for (const Person& person : *persons_) {
        const auto allowed = allowedRoles.find(person["FAMST"]);
        ASSERT_NE(allowed, allowedRoles.end()) << "unexpected FAMST \"" << person["FAMST"] << "\"";
        EXPECT_NE(allowed->second.find(person.role()), std::string::npos)
            << person["FAMST"] << " " << person.role();
        EXPECT_TRUE(civilKeys.count(person["CIVST"] + person["GENUS"])) << person["CIVST"] << person["GENUS"];
        if (person.role() == 'F' || person.role() == 'M') {
            EXPECT_EQ(person["GENUS"], person.role() == 'F' ? "M" : "K");
            auto& parents = person.role() == 'F' ? father : mother;
            EXPECT_TRUE(parents.emplace(person.family(), &person).second)
                << "two " << person.role() << " in " << person.family();
        }
        if (person.role() != 'B') continue;
        ++children;
        const auto f = father.find(person.family());
        const auto m = mother.find(person.family());
        ASSERT_TRUE(f != father.end() || m != mother.end()) << "child without parent in " << person.family();
        for (const auto& parent : {f, m}) {
            if (parent == (parent == f ? father.end() : mother.end())) continue;
            const std::string& parentYear = (*parent->second)["FODAR"];
            if (!isYear(parentYear) || !isYear(person["FODAR"])) continue;
            const int gap = std::stoi(person["FODAR"]) - std::stoi(parentYear);
            EXPECT_GE(gap, 18);
            EXPECT_LE(gap, 50);
        }
    }
    EXPECT_GE(children, 10000);
}

TEST_F(CensusTest, NamesArePatronymicMostlyDoubleOftenInheritedAndSometimesAccented) {
    const auto sonName = share([](const Person& p) { return trim(p["ENAMN"]).ends_with("son"); });
    EXPECT_GE(sonName, 0.50);
    EXPECT_LE(sonName, 0.75);
    const auto twoNames = share([](const Person& p) { return p["FNAMN"].find(' ') != std::string::npos; });
    EXPECT_GE(twoNames, 0.40);
    EXPECT_LE(twoNames, 0.70);
    std::map<std::string, std::string> fatherName;
    int children = 0, inherited = 0;
    for (const Person& person : *persons_) {
        if (person.role() == 'F') fatherName[person.family()] = trim(person["ENAMN"]);
        const auto father = fatherName.find(person.family());
        if (person.role() != 'B' || person["FAMST"].starts_with("Foster") || father == fatherName.end())
            continue;
        ++children;
        inherited += trim(person["ENAMN"]) == father->second;
    }
    EXPECT_GE(inherited, children * 99 / 100);
    EXPECT_GT(share([](const Person& p) {
                  return std::any_of(
                      std::begin(kRareLetters), std::end(kRareLetters),
                      [&](const char* letter) { return p["ENAMN"].find(letter) != std::string::npos; });
              }),
              0.0)
        << "no é, ü, ø or æ in any surname";
}

TEST_F(CensusTest, PersonsSpreadOverCountiesAgesAndBirthCountriesAsIn1890) {
    const GeneratorTables& tables = generatorTables();
    std::uint64_t population = 0;
    for (const auto& [code, county] : tables.counties) population += county.population;
    for (const auto& [code, county] : tables.counties) {
        const double expected = static_cast<double>(county.population) / population;
        const double observed = share([&](const Person& p) { return p["HEMLEN"] == county.name; });
        EXPECT_NEAR(observed, expected, expected * 0.15) << county.name;
    }
    const auto agesInBand = [&](int low, int high) {
        const auto& men = tables.cumulativeAge[0];
        const auto& women = tables.cumulativeAge[1];
        const auto below = [&](int age) { return age < 0 ? 0 : men[age] + women[age]; };
        const double expected = static_cast<double>(below(high) - below(low - 1)) / (men[100] + women[100]);
        const double observed = share([&](const Person& p) {
            return isYear(p["FODAR"]) && 1890 - std::stoi(p["FODAR"]) >= low &&
                   1890 - std::stoi(p["FODAR"]) <= high;
        });
        EXPECT_NEAR(observed, expected, 0.04) << "ages " << low << "-" << high;
    };
    for (const auto& [low, high] : {std::pair{0, 14}, {15, 29}, {30, 49}, {50, 69}, {70, 100}})
        agesInBand(low, high);
    const double abroad =
        share([](const Person& p) { return p["FOLEN1890"].empty() && !p["FOLAND1890"].empty(); });
    EXPECT_GE(abroad, 0.005);
    EXPECT_LE(abroad, 0.04);
    for (const Person& person : *persons_) {
        const std::string prefix = " (" + person["HEMLEN"] + ");";
        EXPECT_NE(person["HEMFO"].find(prefix), std::string::npos) << person["HEMFO"];
        if (!person["FOFORS1890"].empty()) {
            EXPECT_TRUE(person["FOFORS1890"].ends_with(" (" + person["FOLEN1890"] + ")"));
        }
    }
}

}  // namespace
}  // namespace tessla
