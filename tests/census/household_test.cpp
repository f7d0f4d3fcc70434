#include "census/household.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "census_fixture.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::w;

test::CensusRow member(const char* hushnr, const char* famnr, const char* role, const char* last,
                       const char* first, const char* year) {
    return {{"HEMLEN", "Örebro län"}, {"HEMFO", "Hammar (Örebro län);Närke"},
            {"HUSHNR", hushnr},       {"FAMNR", famnr},
            {"FAMSTKOD", role},       {"ENAMN", last},
            {"FNAMN", first},         {"FODAR", year}};
}

// Household 7 of Hammar has three families: Per Ek's (record 122: father, mother, children of
// 1885 and 1880), a maid alone (record 123) and Lars Dal's, whose role letter is unknown. Household
// 70 of the same parish has one family; every other record lives elsewhere.
class HouseholdTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::vector<test::CensusRow> rows;
        for (int k = 1; k <= 130; ++k)
            rows.push_back({{"ENAMN", "Fyll"},
                            {"HEMFO", "Alunda (Uppsala län);Uppland"},
                            {"HUSHNR", std::to_string(k)}});
        rows[121] = member("7", "1", "F", "Ek", "Per", "1850");
        rows[122] = member("7", "2", "E", "Berg", "Kristina", "1868");
        rows[123] = member("7", "1", "M", "Ek", "Anna", "1852");
        rows[124] = member("7", "1", "B", "Ek", "Karl", "1885");
        rows[125] = member("7", "1", "b", "Ek", "Olof", "1880");
        rows[126] = member("7", "3", "B", "Dal", "Lisa", "1870");
        rows[127] = member("7", "3", "x", "Dal", "Lars", "1860");
        rows[128] = member("70", "1", "F", "Lund", "Nils", "1840");
        rows[129] = member("70", "1", "M", "Lund", "Eva", "1845");
        fixture_ = new test::CensusFixture(rows);
    }
    static void TearDownTestSuite() { delete fixture_; }

    static HouseholdList householdOf(std::int32_t record) {
        HouseholdList household;
        household.buildHousehold(fixture_->db(), householdKey(loadPerson(fixture_->db().tessl(), record)));
        return household;
    }

    static test::CensusFixture* fixture_;
};

test::CensusFixture* HouseholdTest::fixture_ = nullptr;

TEST_F(HouseholdTest, FamiliesInOrderWithSeparators) {
    const HouseholdList household = householdOf(122);
    const struct {
        const char *name, *year, *role, *roleEnglish;
        std::int32_t record;
    } rows[] = {
        {"Ek, Per", "1850", "Far", "Father", 122},
        {"Ek, Anna", "1852", "Mor", "Mother", 124},
        {"Ek, Olof", "1880", "Barn", "Child", 126},
        {"Ek, Karl", "1885", "Barn", "Child", 125},
        {"----------", " ", " ", " ", 0},
        {"Berg, Kristina", "1868", "Ensam", "", 123},
        {"----------", " ", " ", " ", 0},
        {"Dal, Lars", "1860", "", "", 128},
        {"Dal, Lisa", "1870", "Barn", "Child", 127},
    };
    ASSERT_EQ(household.size(), static_cast<std::int32_t>(std::size(rows)));
    std::string copy;
    for (std::int32_t row = 1; row <= household.size(); ++row) {
        const auto& r = rows[row - 1];
        EXPECT_EQ(household.householdCell(row, 1, Language::Swedish), r.name) << row;
        EXPECT_EQ(household.householdCell(row, 2, Language::Swedish), r.year) << row;
        EXPECT_EQ(household.householdCell(row, 3, Language::Swedish), r.role) << row;
        EXPECT_EQ(household.householdCell(row, 3, Language::English), r.roleEnglish) << row;
        EXPECT_EQ(household.householdRecordNumber(row), r.record) << row;
        copy += r.record == 0 ? std::string(r.name) : std::string(r.name) + "\t" + r.year + "\t" + r.role;
        copy += "\r\n";
    }
    EXPECT_EQ(householdCopyText(household, Language::Swedish), copy);
    EXPECT_EQ(household.householdCell(0, 1, Language::Swedish), "");
    EXPECT_EQ(household.householdCell(10, 1, Language::Swedish), "");
    EXPECT_EQ(household.householdCell(1, 4, Language::Swedish), "");
    EXPECT_EQ(household.householdRecordNumber(10), 0);
}

TEST_F(HouseholdTest, OneFamilyHasNoSeparator) {
    const HouseholdList household = householdOf(129);
    ASSERT_EQ(household.size(), 2);
    EXPECT_EQ(household.householdCell(1, 1, Language::Swedish), "Lund, Nils");
    EXPECT_EQ(household.householdCell(2, 1, Language::Swedish), "Lund, Eva");
}

TEST_F(HouseholdTest, FindsWholeRecordNumbersAndMarksTheCurrentRow) {
    HouseholdList household = householdOf(122);
    EXPECT_EQ(household.findHouseholdRow(12), -1);
    EXPECT_EQ(household.findHouseholdRow(23), -1);
    EXPECT_EQ(household.findHouseholdRow(123), 6);
    EXPECT_EQ(household.findHouseholdRow(0), -1);
    household.setCurrentRow(household.findHouseholdRow(123));
    EXPECT_EQ(household.householdCellStyle(6), 3u);
    EXPECT_EQ(household.householdCellStyle(5), 0u);
    household.clearHousehold();
    EXPECT_EQ(household.size(), 0);
    EXPECT_EQ(household.householdCellStyle(6), 0u);
}

TEST_F(HouseholdTest, UnknownKeyGivesNoHousehold) {
    HouseholdList household = householdOf(122);
    household.buildHousehold(fixture_->db(), w("Örebro län;Hammar (Örebro län);Närke;8"));
    EXPECT_EQ(household.size(), 0);
}

TEST(HouseholdCaption, NameAndYear) {
    const struct {
        std::string row;
        const char *swedish, *english;
    } cases[] = {
        {"Ek, Per\xFF"
         "1850\xFF"
         "00000070001\xFF"
         "F",
         "Hushåll för Ek, Per, f. 1850", "Household: Ek, Per, b. 1850"},
        {"Ek, Per\xFF\xFF"
         "00000070001\xFF"
         "F",
         "Hushåll för Ek, Per", "Household: Ek, Per"},
        {"B\xFFrd\xFF"
         "1850\xFF"
         "00000070001\xFF"
         "F",
         "Hushåll för Byrd, f. 1850", "Household: Byrd, b. 1850"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(householdCaption(c.row, Language::Swedish), w(c.swedish));
        EXPECT_EQ(householdCaption(c.row, Language::English), c.english);
    }
}

}  // namespace
}  // namespace tessla
