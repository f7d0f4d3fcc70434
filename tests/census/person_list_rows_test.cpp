#include "census/person_list_rows.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "census_fixture.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::w;

TEST(CleanRowSeparators, KeepsTheLastThreeSeparators) {
    const struct {
        std::string text, cleaned;
    } cases[] = {
        {"Ek, Anna\xFF"
         "1880\xFF"
         "0000001"
         "0001\xFF"
         "M",
         "Ek, Anna\xFF"
         "1880\xFF"
         "0000001"
         "0001\xFF"
         "M"},
        {"B\xFFrd\xFF\xFF\xFF", "Byrd\xFF\xFF\xFF"},
        {"\xFF\xFF\xFF\xFF\xFF", "yy\xFF\xFF\xFF"},
        {"a\xFF"
         "b",
         "a\xFF"
         "b"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(cleanRowSeparators(c.text), c.cleaned) << c.text;
}

// 600 persons named "Nr 0001" … "Nr 0600", so that row k of the master list is record k.
class PersonListWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::vector<test::CensusRow> rows;
        for (int k = 1; k <= 600; ++k) {
            char name[16];
            std::snprintf(name, sizeof name, "Nr %04d", k);
            rows.push_back({{"ENAMN", name}, {"FODAR", "1850"}, {"HUSHNR", std::to_string(k)}});
        }
        fixture_ = new test::CensusFixture(rows);
        fixture_->showAllPersons();
    }
    static void TearDownTestSuite() { delete fixture_; }

    static std::string nameOf(int k) {
        char name[16];
        std::snprintf(name, sizeof name, "Nr %04d", k);
        return name;
    }

    // Reads `row` and checks the window's cells and span afterwards.
    void expectRead(std::int32_t row, std::int32_t first, std::size_t size) {
        EXPECT_EQ(window_.personListCell(row, 1), nameOf(row));
        EXPECT_EQ(window_.personListCell(row, 2), "1850");
        EXPECT_EQ(window_.recordNumber(row), row);
        EXPECT_EQ(window_.firstRow(), first) << "after row " << row;
        EXPECT_EQ(window_.size(), size) << "after row " << row;
    }

    static test::CensusFixture* fixture_;
    PersonListWindow window_{fixture_->db().tessllista()};
};

test::CensusFixture* PersonListWindowTest::fixture_ = nullptr;

TEST_F(PersonListWindowTest, MovesWithConsecutiveRowsAndRestartsElsewhere) {
    for (std::int32_t row = 100; row < 150; ++row) expectRead(row, 100, static_cast<std::size_t>(row - 99));
    expectRead(99, 99, 50);
    expectRead(148, 99, 50);
    expectRead(149, 100, 50);
    expectRead(150, 101, 50);
    expectRead(500, 500, 1);
    expectRead(499, 499, 2);
    window_.clear();
    EXPECT_EQ(window_.size(), 0u);
    expectRead(1, 1, 1);
}

TEST_F(PersonListWindowTest, OnlyColumnsOneAndTwoAndVisibleRowsHaveText) {
    EXPECT_EQ(window_.personListCell(1, 0), "");
    EXPECT_EQ(window_.personListCell(1, 3), "");
    EXPECT_EQ(window_.personListCell(601, 1), "(Ingen namnuppgift)");
    EXPECT_EQ(window_.recordNumber(601), -1);
    EXPECT_EQ(window_.recordNumber(0), -1);
}

TEST(PersonListWindow, SplitsAndCutsRowTexts) {
    const std::string longName(130, 'L');
    test::CensusFixture fixture({
        {{"ENAMN", "Bÿrd"}, {"FNAMN", "Anna"}, {"FODAR", "1880"}},
        {{"ENAMN", "Ca"}, {"FODAR", "omkring år 1880"}},
        {{"ENAMN", "Cb" + longName}, {"FODAR", "1880"}},
        {{"FODAR", "1881"}},
    });
    fixture.showAllPersons();
    PersonListWindow window(fixture.db().tessllista());
    const struct {
        std::string name, year;
    } rows[] = {
        {"Byrd, Anna", "1880"},
        {"Ca", w("omkring år ")},
        {"Cb" + longName.substr(0, 117), ""},
        {"(Ingen namnuppgift)", "1881"},
    };
    for (std::int32_t row = 1; row <= 4; ++row) {
        EXPECT_EQ(window.personListCell(row, 1), rows[row - 1].name) << row;
        EXPECT_EQ(window.personListCell(row, 2), rows[row - 1].year) << row;
    }
}

}  // namespace
}  // namespace tessla
