// "~" words in the name fields: every spelling of a name.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../storage/temp_dir.h"
#include "database/database_check.h"
#include "search/child_search.h"
#include "search/person_search.h"
#include "search/spelling_key.h"
#include "search/spelling_key_file.h"
#include "search/spelling_key_format.h"
#include "search_census.h"
#include "storage/little_endian.h"

namespace tessla {
namespace {

using test::censusPerson;

// Three families whose names are spelled three ways, and lodgers with names that only look alike.
std::vector<test::CensusRow> variantCensusRows() {
    const test::Home home1{"Uppsala län", "Alunda (Uppsala län);Uppland", "Norrby", "1"};
    const test::Home home2{"Uppsala län", "Alunda (Uppsala län);Uppland", "Norrby", "2"};
    const test::Home home3{"Uppsala län", "Alunda (Uppsala län);Uppland", "Norrby", "3"};
    const test::Home home4{"Uppsala län", "Alunda (Uppsala län);Uppland", "Söderby", "4"};
    const test::Birth alunda{"Alunda", "Alunda (Uppsala län)", "Uppsala län", "Uppland"};
    return {
        censusPerson(home1, "F", "Carl Gustaf", "Ericsson", "1850", alunda, "Bonde"),
        censusPerson(home1, "M", "Christina", "Olofsdotter", "1852", alunda),
        censusPerson(home1, "B", "Gustav", "Ericsson", "1880", alunda),
        censusPerson(home1, "B", "Sophia", "Ericsson", "1882", alunda),
        censusPerson(home2, "F", "Karl", "Eriksson", "1848", alunda, "Torpare"),
        censusPerson(home2, "M", "Stina", "Ols d:r", "1850", alunda),
        censusPerson(home2, "B", "Olof", "Eriksson", "1881", alunda),
        censusPerson(home3, "F", "Pehr", "Erixon", "1845", alunda, "Dräng"),
        censusPerson(home3, "B", "Per", "Ersson", "1870", alunda),
        censusPerson(home3, "B", "Kristina", "Erixon", "1872", alunda),
        censusPerson(home4, "E", "Olov", "Olsson", "1860", alunda),
        censusPerson(home4, "E", "Nils", "Olofsson", "1861", alunda),
        censusPerson(home4, "E", "Petter", "Lindberg", "1862", alunda),
        censusPerson(home4, "E", "Anna", "Lundberg", "1863", alunda),
        censusPerson(home4, "E", "Maria", "~Berg", "1864", alunda),
    };
}

Database& variantCensus() {
    static test::CensusFixture census(variantCensusRows());
    return census.db();
}

using PersonCase = test::SearchCase<PersonSearch>;
using ChildCase = test::SearchCase<ChildSearch>;

const std::vector<std::string> kErikssons = {"Ericsson, Carl Gustaf", "Ericsson, Gustav", "Ericsson, Sophia",
                                             "Eriksson, Karl",        "Eriksson, Olof",   "Erixon, Pehr",
                                             "Erixon, Kristina",      "Ersson, Per"};

TEST(VariantSearch, LastNames) {
    const auto last = &PersonSearch::lastName;
    test::expectSearchesIn<PersonSearch>(
        variantCensus(),
        {
            {last, "~Eriksson", kErikssons},
            {last, "~erixon", kErikssons},
            {last, "  ~Ersson ", kErikssons},
            {last, "~Olsson", {"Olsson, Olov", "Olofsson, Nils"}},
            {last, "~Lindberg", {"Lindberg, Petter"}},
            {last, "~Lindberg;~Lundberg", {"Lindberg, Petter", "Lundberg, Anna"}},
            {last, "~Lundberg;Ols", {"Lundberg, Anna", "Olsson, Olov", "Ols d:r, Stina"}},
            {last, "~", {}},
            {last, "~ ;Lind", {"Lindberg, Petter"}},
            {last, "~-:", {}},
            {last, "~Eri*", {}},
            {last, "~*son", {}},
            {last, "\"~Berg\"", {"~Berg, Maria"}},
            {last, "\"~Bergh\"", {}},
            {last, "~Carl", {}},
            // Exact and prefix searches are as before.
            {last, "Ericsson", {"Ericsson, Carl Gustaf", "Ericsson, Gustav", "Ericsson, Sophia"}},
            {last, "\"Erixon\"", {"Erixon, Pehr", "Erixon, Kristina"}},
        },
        dosokning);
}

// First names: each blank-separated "~" word must match one of the person's names.
TEST(VariantSearch, FirstNamesAndOtherFields) {
    const auto first = &PersonSearch::firstNames;
    test::expectSearchesIn<PersonSearch>(
        variantCensus(),
        {
            {first, "~Karl", {"Ericsson, Carl Gustaf", "Eriksson, Karl"}},
            {first, "~Karl ~Gustav", {"Ericsson, Carl Gustaf"}},
            {first, "~Kristina", {"Olofsdotter, Christina", "Erixon, Kristina"}},
            {first, "~Per", {"Erixon, Pehr", "Ersson, Per"}},
            {first, "~Sofia;~Olov", {"Ericsson, Sophia", "Eriksson, Olof", "Olsson, Olov"}},
            {first, "~Olof Per", {}},
            // Occupations are no name list: "~" is text there.
            {&PersonSearch::occupation, "~Bonde", {}},
            {&PersonSearch::occupation, "Bonde", {"Ericsson, Carl Gustaf"}},
        },
        dosokning);
}

TEST(VariantSearch, ParentsAndSiblingsOfTheChildSearch) {
    const std::vector<std::string> home1 = {"Ericsson, Gustav", "Ericsson, Sophia"};
    test::expectSearchesIn<ChildSearch>(
        variantCensus(),
        {
            {&ChildSearch::fatherLastName,
             "~Eriksson",
             {"Ericsson, Gustav", "Ericsson, Sophia", "Eriksson, Olof", "Ersson, Per", "Erixon, Kristina"}},
            {&ChildSearch::fatherFirstNames,
             "~Carl",
             {"Ericsson, Gustav", "Ericsson, Sophia", "Eriksson, Olof"}},
            {&ChildSearch::motherFirstNames, "~Kristina", home1},
            {&ChildSearch::motherLastName,
             "~Olsdotter",
             {"Ericsson, Gustav", "Ericsson, Sophia", "Eriksson, Olof"}},
            {&ChildSearch::siblingFirstNames, "~Sofia", {"Ericsson, Gustav"}},
            {&ChildSearch::childFirstNames, "~Gustaf", {"Ericsson, Gustav"}},
            {&ChildSearch::fatherOccupation, "~Bonde", {}},
        },
        dobarnsokning);
}

// The name lists with key lists, and the searches that use them.
constexpr int kNameLists[] = {1, 2, 6, 22, 23, 30, 31, 38};

std::string keyListPath(Database& db, int list) {
    const WordListProperties& p = db.tessls(list).properties();
    return spellingKeyFilePath(p.filkat, p.filnamn);
}

// The texts of every row of `list`, row 1 first.
std::vector<std::string> rowTexts(TSPstruktlista& list) {
    std::vector<std::string> texts;
    for (std::int32_t n = 1; n <= list.rowCount(); ++n) {
        list.lasrad(n);
        texts.emplace_back(list.text());
    }
    return texts;
}

// Writes the key list of `list` anew from its rows, with `stamp`; `drop` (1-based, 0: none) is
// left without an entry.
void rewriteKeyList(Database& db, int list, std::uint32_t stamp, std::int32_t drop = 0) {
    std::vector<std::string> texts = rowTexts(db.tessls(list));
    if (drop > 0) texts[static_cast<std::size_t>(drop - 1)].clear();
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    ASSERT_TRUE(writeSpellingKeyFile(keyListPath(db, list), views, stamp));
}

// The results of variant searches in every name field of both searches.
std::vector<std::vector<std::string>> variantResults(Database& db) {
    std::vector<std::vector<std::string>> results;
    for (const char* text : {"~Eriksson", "~Olsson;~Lundberg", "~Berg", "~Carl"}) {
        PersonSearch person;
        person.lastName = {test::w(text), false, PlaceKind::Parish};
        dosokning(db, person, nullptr);
        results.push_back(test::resultNames(db));
    }
    for (const char* text : {"~Karl ~Gustav", "~Kristina;~Per", "~Sofia"}) {
        PersonSearch person;
        person.firstNames = {test::w(text), false, PlaceKind::Parish};
        dosokning(db, person, nullptr);
        results.push_back(test::resultNames(db));
    }
    for (Criterion ChildSearch::*field :
         {&ChildSearch::childFirstNames, &ChildSearch::fatherLastName, &ChildSearch::fatherFirstNames,
          &ChildSearch::motherLastName, &ChildSearch::motherFirstNames, &ChildSearch::siblingFirstNames}) {
        for (const char* text : {"~Eriksson", "~Carl", "~Olsdotter", "~Kristina;~Sofia;~Gustaf"}) {
            ChildSearch child;
            child.*field = {test::w(text), false, PlaceKind::Parish};
            dobarnsokning(db, child, nullptr);
            results.push_back(test::resultNames(db));
        }
    }
    return results;
}

class KeyListTest : public ::testing::Test {
  protected:
    test::CensusFixture census_{variantCensusRows()};
    Database& db() { return census_.db(); }
};

// The builder writes a key list beside every name list; the database needs none of them.
TEST_F(KeyListTest, BuiltBesideTheNameListsAndNotRequired) {
    for (const int list : kNameLists) EXPECT_TRUE(std::filesystem::exists(keyListPath(db(), list))) << list;
    EXPECT_FALSE(std::filesystem::exists(keyListPath(db(), 3)));
    const std::vector<std::vector<std::string>> withKeyLists = variantResults(db());
    for (const int list : kNameLists) std::filesystem::remove(keyListPath(db(), list));
    EXPECT_EQ(variantResults(db()), withKeyLists);
    Database reopened(nullptr);
    const std::string directory = std::filesystem::path(census_.iniPath()).parent_path().string() + "/";
    EXPECT_EQ(openCheckedDatabase(reopened, readConfiguration(directory)), std::nullopt);
}

// Key lists of other key rules, damaged ones, and ones that name rows of another key or outside
// the list give way to walking the list, with the same result.
TEST_F(KeyListTest, KeyListsThatCannotBeTrustedAreWalkedPast) {
    const std::vector<std::vector<std::string>> expected = variantResults(db());
    const auto damageEach = [&](const char* what, const auto& damage) {
        for (const int list : kNameLists) damage(keyListPath(db(), list), list);
        EXPECT_EQ(variantResults(db()), expected) << what;
        for (const int list : kNameLists) rewriteKeyList(db(), list, kSpellingKeyVersion);
    };
    damageEach("another stamp",
               [&](const std::string&, int list) { rewriteKeyList(db(), list, kSpellingKeyVersion + 1); });
    damageEach("cut short", [](const std::string& path, int) {
        std::filesystem::resize_file(path, std::filesystem::file_size(path) - 1);
    });
    damageEach("no header", [](const std::string& path, int) { std::filesystem::resize_file(path, 7); });
    // Every entry's row number (the last four bytes of each entry) made 0, then one past the
    // list, then a row of another key.
    for (const std::uint32_t row : {0u, 1000u, 1u}) {
        damageEach("row numbers", [&](const std::string& path, int) {
            namespace fmt = spelling_key_format;
            std::vector<std::uint8_t> bytes = test::readBytes(path);
            const std::uint32_t width = getFixed32(bytes.data() + fmt::kKeyWidthOffset);
            const std::uint32_t entries = getFixed32(bytes.data() + fmt::kEntryCountOffset);
            for (std::uint32_t i = 0; i < entries; ++i)
                putFixed32(bytes.data() + fmt::entryOffset(width, i) + width, row);
            test::writeBytes(path, bytes);
        });
    }
}

// A sound key list is what the search reads: a row left out of it is not found.
TEST_F(KeyListTest, ASoundKeyListIsUsed) {
    TSPstruktlista& lastNames = db().tessls(1);
    const std::int32_t erixon = lastNames.sokexakt("Erixon");
    ASSERT_GE(erixon, 1);
    rewriteKeyList(db(), 1, kSpellingKeyVersion, erixon);
    PersonSearch search;
    search.lastName = {"~Eriksson", false, PlaceKind::Parish};
    dosokning(db(), search, nullptr);
    EXPECT_THAT(test::resultNames(db()), ::testing::UnorderedElementsAre(
                                             "Ericsson, Carl Gustaf", "Ericsson, Gustav", "Ericsson, Sophia",
                                             "Eriksson, Karl", "Eriksson, Olof", "Ersson, Per"));
}

}  // namespace
}  // namespace tessla
