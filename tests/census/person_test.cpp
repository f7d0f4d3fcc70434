#include "census/person.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "census_fixture.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::w;

// The tricky records, each with its person text in Swedish and English (UTF-8, "\r" line breaks).
// Records 2 to 4 share the empty household key, so they stand together.
const struct PersonCase {
    const char* what;
    test::CensusRow row;
    const char* swedish;
    const char* english;
} kPersons[] = {
    {"every block, the corrected residence, a bracketed province",
     {{"POSTID", "P1"},
      {"HEMLEN", "Örebro län"},
      {"HEMFO", "Västra Ny (Örebro län);Östergötland"},
      {"HEMBY", "Norrby"},
      {"HUSHNR", "12"},
      {"FAMST", "Husbonde"},
      {"FAMNR", "1"},
      {"FAMSTKOD", "F"},
      {"FNAMN", " Karl Johan "},
      {"ENAMN", "Berg"},
      {"TITEL", "Korpral"},
      {"YRKE", "Soldat"},
      {"LYTE", "Blind"},
      {"FODAR", "1850"},
      {"FOFORS", "Hammar"},
      {"FOFORS1890", "Hammar (Örebro län)"},
      {"FOLAND1890", "[Närke]"},
      {"GENUS", "M"},
      {"CIVST", "G"},
      {"TRO", "Luthersk"},
      {"NATION", "Svensk"},
      {"FRANV", "x"},
      {"STRUKEN", "x"},
      {"ÖVRIGT", "Flyttat\nåter"}},
     "[f]Berg, Karl Johan[\\f]\rSoldat (Korpral)\r\rf. 1850 i Hammar (Örebro län, Närke)\r\rHusbonde\rGift "
     "man, far i familjen\r\rSvensk\rLuthersk\r\rBlind\r\rNorrby\rHammar (Örebro län, Närke)\r\rFrånvarande "
     "vid inskrivningen\rStruken i längden\rFlyttat\råter\r[L 1]\rFödelseort i källan: Hammar\r",
     "[f]Berg, Karl Johan[\\f]\rSoldat (Korpral)\r\rb. 1850 in Hammar (Örebro län, Närke)\r\rHusbonde\rMan, "
     "married, father\r\rSvensk\rLuthersk\r\rBlind\r\rNorrby\rHammar (Örebro län, Närke)\r\rAbsent when "
     "registering\rDeleted from the roll\rFlyttat\råter\r[L 1]\rPlace of birth (original source): Hammar\r"},
    {"every field empty",
     {},
     "[f](Ingen namnuppgift)[\\f]\r\rf.\r[L 1]\r",
     "[f](No name)[\\f]\r\rb.\r[L 1]\r"},
    {"no year, a role outside the four, a disability alone",
     {{"ENAMN", "Berg"}, {"CIVST", "O"}, {"GENUS", "M"}, {"FAMSTKOD", "x"}, {"LYTE", "Döv"}},
     "[f]Berg[\\f]\r\rf.\r\rOgift man, x\r\rDöv\r[L 1]\r",
     "[f]Berg[\\f]\r\rb.\r\rMan, single, x\r\rDöv\r[L 1]\r"},
    {"born 1875, a title alone, a parish alone, a lower-case key, nationality alone",
     {{"ENAMN", "Ek"},
      {"TITEL", "Piga"},
      {"FODAR", "1875"},
      {"CIVST", "o"},
      {"GENUS", "k "},
      {"FAMSTKOD", "E"},
      {"FOFORS1890", "Tierp (Uppsala län)"},
      {"NATION", "Finsk"}},
     "[f]Ek[\\f]\rPiga\r\rf. 1875 i Tierp (Uppsala län)\r\rOgift kvinna, ensam i familjen\r\rFinsk\r[L 1]\r",
     "[f]Ek[\\f]\rPiga\r\rb. 1875 in Tierp (Uppsala län)\r\rWoman, single\r\rFinsk\r[L 1]\r"},
    {"a first name alone, a girl born 1876, a province alone",
     {{"FNAMN", "Anna"},
      {"FODAR", "1876"},
      {"CIVST", "O"},
      {"GENUS", "K"},
      {"FAMSTKOD", "B"},
      {"FOLAND1890", "[Närke]"},
      {"HEMFO", "Alunda (Uppsala län);Uppland"}},
     "[f]Anna[\\f]\r\rf. 1876 i Närke\r\rFlicka, barn i familjen\r\rAlunda (Uppsala län, Uppland)\r[L 1]\r",
     "[f]Anna[\\f]\r\rb. 1876 in Närke\r\rGirl, child\r\rAlunda (Uppsala län, Uppland)\r[L 1]\r"},
};

class PersonTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::vector<test::CensusRow> rows;
        for (const PersonCase& c : kPersons) rows.push_back(c.row);
        fixture_ = new test::CensusFixture(rows);
    }
    static void TearDownTestSuite() { delete fixture_; }

    static Tenperson load(std::int32_t record) { return loadPerson(fixture_->db().tessl(), record); }

    static test::CensusFixture* fixture_;
};

test::CensusFixture* PersonTest::fixture_ = nullptr;

TEST_F(PersonTest, PersonTextsInBothLanguages) {
    for (std::size_t i = 0; i < std::size(kPersons); ++i) {
        const Tenperson person = load(static_cast<std::int32_t>(i + 1));
        EXPECT_EQ(buildPersonText(person, Language::Swedish), w(kPersons[i].swedish)) << kPersons[i].what;
        EXPECT_EQ(buildPersonText(person, Language::English), w(kPersons[i].english)) << kPersons[i].what;
    }
}

TEST_F(PersonTest, LoadsFieldsInLabelOrder) {
    const Tenperson person = load(1);
    EXPECT_EQ(person.POSTID, "P1");
    EXPECT_EQ(person.HEMLEN, w("Örebro län"));
    EXPECT_EQ(person.FNAMN, " Karl Johan ");
    EXPECT_EQ(person.STRUKEN, "x");
    EXPECT_EQ(person.OVRIGT, w("Flyttat\råter"));
    Tenperson copy;
    copyPerson(person, copy);
    for (auto field : Tenperson::kFields) EXPECT_EQ(copy.*field, person.*field);
}

TEST_F(PersonTest, ARecordThatCannotBeReadGivesAnEmptyPerson) {
    ASSERT_FALSE(load(1).POSTID.empty());
    for (std::int32_t record : {0, 6, -1}) {
        const Tenperson person = load(record);
        for (auto field : Tenperson::kFields) EXPECT_EQ(person.*field, "") << record;
    }
}

TEST_F(PersonTest, ColumnsAndSortKeys) {
    const Tenperson full = load(1), empty = load(2);
    const struct {
        int column;
        const char *header, *headerEnglish, *text, *textEnglish, *sortKey;
    } cases[] = {
        {0, "", "", "", "", ""},
        {1, "Namn", "Name", "Berg, Karl Johan", "Berg, Karl Johan", "Berg, Karl Johan"},
        {2, "Född", "Born", "1850", "1850", "1850"},
        {3, "Födelseförsamling", "Place of birth", "Hammar (Örebro län, Närke)", "Hammar (Örebro län, Närke)",
         "Hammar (Örebro län, Närke)"},
        {4, "Yrke/titel", "Prof./title", "Soldat (Korpral)", "Soldat (Korpral)",
         "Hammar (Örebro län, Närke)/Norrby"},
        {5, "Civilstånd/familjest.", "Family status", "Gift man, far i familjen", "Man, married, father",
         "000001200011;1850"},
        {6, "Boendeförsamling/plats", "Place of residence", "Hammar (Örebro län, Närke)/Norrby",
         "Hammar (Örebro län, Närke)/Norrby", ""},
        {7, "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(personColumnHeader(c.column, Language::Swedish), w(c.header)) << c.column;
        EXPECT_EQ(personColumnHeader(c.column, Language::English), c.headerEnglish) << c.column;
        EXPECT_EQ(personColumnText(full, c.column, Language::Swedish), w(c.text)) << c.column;
        EXPECT_EQ(personColumnText(full, c.column, Language::English), w(c.textEnglish)) << c.column;
        EXPECT_EQ(personSortKey(full, c.column, Language::Swedish), w(c.sortKey)) << c.column;
    }
    EXPECT_EQ(personSortKey(empty, 5, Language::Swedish), "000000000000;");
    EXPECT_EQ(personSortKey(empty, 1, Language::English), "(No name)");
}

// Only a whole two-letter code names a civil status: an empty status with a gender, a gender
// alone or an empty key must not match the tail of another code.
TEST(CivilStatus, OnlyWholeCodesMatch) {
    const struct {
        const char *civst, *genus, *fodar, *famstkod, *swedish, *english;
    } cases[] = {
        {"", "K", "1850", "", "", ""},
        {"", "M", "1850", "", "", ""},
        {"", "", "1850", "", "", ""},
        {"M", "", "1850", "", "", ""},
        {"G ", "M", "1850", "", "", ""},
        {"GM", "M", "1850", "", "", ""},
        {";", "M", "1850", "", "", ""},
        {" g", "m ", "1850", "", "Gift man", "Man, married"},
        {"E", "K", "1850", "", "Änka", "Widow"},
        {"E", "M", "1850", "", "Änkling", "Widower"},
        {"U", "K", "1850", "", "Kvinna med okänt civilstånd", "Woman, unknown status"},
        {"O", "M", "1876", "", "Pojke", "Boy"},
        {"O", "M", "188", "", "Pojke", "Boy"},
        {"O", "K", "1875", "", "Ogift kvinna", "Woman, single"},
        {"O", "K", "", "", "Ogift kvinna", "Woman, single"},
        {"G", "K", "1880", "", "Gift kvinna", "Woman, married"},
        {"G", "M", "1850", "F", "Gift man, far i familjen", "Man, married, father"},
        {"O", "K", "1880", "b", "Flicka, barn i familjen", "Girl, child"},
        {"", "", "1850", "E", "Ensam i familjen", ""},
        {"G", "K", "1850", "m", "Gift kvinna, mor i familjen", "Woman, married, mother"},
        {"", "", "1850", "q", "Q", "Q"},
    };
    for (const auto& c : cases) {
        Tenperson person;
        person.CIVST = c.civst;
        person.GENUS = c.genus;
        person.FODAR = c.fodar;
        person.FAMSTKOD = c.famstkod;
        EXPECT_EQ(civilStatusAndRole(person, Language::Swedish), w(c.swedish)) << c.civst << c.genus;
        EXPECT_EQ(civilStatusAndRole(person, Language::English), c.english) << c.civst << c.genus;
    }
}

TEST(StripMarkup, DropsEveryBracketedRun) {
    const struct {
        const char *text, *stripped;
    } cases[] = {
        {"[f]Berg, Karl[\\f]\rf. 1850\r[L 1]\r", "Berg, Karl\rf. 1850\r\r"},
        {"a[b", "a"},
        {"a]b[]c", "a]bc"},
        {"[[x]y]", "y]"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(stripMarkup(c.text), c.stripped) << c.text;
}

}  // namespace
}  // namespace tessla
