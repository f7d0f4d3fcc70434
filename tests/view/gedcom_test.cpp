#include "view/gedcom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "census_fixture.h"
#include "test_text.h"
#include "view/print_collection.h"

namespace tessla {
namespace {

// One household of four families on one farm: a married couple with two children of their own
// and a foster son, a widow with her daughter, a servant born abroad with remarks over several
// lines, and the head's father living in.
std::vector<test::CensusRow> farmRows(const std::string& remarks) {
    const auto person = [](std::string postid, std::string famnr, std::string role, std::string first,
                           std::string last, std::string sex, std::string year) {
        return test::CensusRow{{"POSTID", postid},
                               {"HEMLEN", "Uppsala län"},
                               {"HEMFO", "Alunda (Uppsala län);Uppland"},
                               {"HEMBY", "Norrby, östra"},
                               {"HUSHNR", "12"},
                               {"FAMNR", famnr},
                               {"FAMSTKOD", role},
                               {"FNAMN", first},
                               {"ENAMN", last},
                               {"GENUS", sex},
                               {"FODAR", year},
                               {"FOFORS1890", "Alunda (Uppsala län)"},
                               {"FOLEN1890", "Uppsala län"}};
    };
    std::vector<test::CensusRow> rows = {
        person("P-1", "1", "F", "Karl Johan", "Åström", "M", "omkr. 1842"),
        person("P-2", "1", "M", "Anna Maria", "Öberg", "K", "1845"),
        person("P-3", "1", "B", "Élise", "Åström", "K", "ca 1873"),
        person("P-4", "1", "B", "Erik", "Åström", "M", "1870"),
        person("P-5", "1", "B", "Sven", "Ek", "M", "186?"),
        person("P-6", "2", "M", "Kajsa", "Bäck", "K", "1850"),
        person("P-7", "2", "B", "Lisa", "Bäck", "", "1880"),
        person("P-8", "3", "E", "Maja", "Persdotter", "K", ""),
        person("P-9", "4", "U", "Per", "Åström", "M", "1815"),
    };
    rows[0].push_back({"YRKE", "Torpare"});
    rows[0].push_back({"TITEL", "Hemmansägare"});
    rows[4].push_back({"FAMST", "Fosterson"});
    rows[7].push_back({"YRKE", "Piga @ gården"});
    rows[7].push_back({"ÖVRIGT", remarks});
    for (auto& field : rows[7]) {
        if (field.first == "FOFORS1890") field.second = "Christiania";
        if (field.first == "FOLEN1890") field.second = "";
    }
    rows[7].push_back({"FOLAND1890", "[Norge]"});
    return rows;
}

const std::string kLongLine = [] {
    std::string line;
    for (int k = 0; k < 40; ++k) line += "ord" + std::to_string(k) + " på raden ";
    return line + "slut";
}();
const std::string kRemarks = "Flyttade hit 1888 @ Norrby.\n\nSkriver sig " + kLongLine + "\nSista raden";

struct GedcomLine {
    int level = -1;
    std::string xref, tag, value;
};

// The lines of a file as a reader takes them apart; an empty list fails the test.
std::vector<GedcomLine> parse(const std::string& file) {
    std::vector<GedcomLine> lines;
    std::istringstream in(file);
    for (std::string text; std::getline(in, text);) {
        EXPECT_TRUE(!text.empty() && text.back() == '\r') << "every line ends in CR LF: " << text;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        EXPECT_LE(text.size(), kGedcomLineLength) << text;
        GedcomLine line;
        std::istringstream words(text);
        words >> line.level;
        std::string word;
        words >> word;
        if (word.starts_with("@")) {
            line.xref = word;
            words >> word;
        }
        line.tag = word;
        const std::size_t at = text.find(' ' + line.tag);
        if (at + line.tag.size() + 2 <= text.size()) line.value = text.substr(at + line.tag.size() + 2);
        lines.push_back(line);
    }
    return lines;
}

bool isPointer(const std::string& value) {
    return value.size() > 2 && value.front() == '@' && value.back() == '@' &&
           value.find('@', 1) == value.size() - 1;
}

std::string withoutDoubledAts(std::string value) {
    for (std::size_t at = 0; (at = value.find("@@", at)) != std::string::npos; ++at) value.erase(at, 1);
    return value;
}

class GedcomTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        census_ = new test::CensusFixture(farmRows(kRemarks));
        HouseholdList household;
        household.buildHousehold(census_->db(), householdKey(loadPerson(census_->db().tessl(), 1)));
        const CollectedPersons members = collectHousehold(census_->db(), household, [] { return true; });
        swedish_ = new std::string(householdGedcom(
            members.entries, {Language::Swedish, "1.02", CalendarDate{2026, 12, 10}, {2026, 12, 11}}));
        english_ = new std::string(
            householdGedcom(members.entries, {Language::English, "1.02", std::nullopt, {2026, 3, 5}}));
    }
    static void TearDownTestSuite() {
        delete census_;
        delete swedish_;
        delete english_;
    }

    static test::CensusFixture* census_;
    static std::string *swedish_, *english_;
};

test::CensusFixture* GedcomTest::census_ = nullptr;
std::string* GedcomTest::swedish_ = nullptr;
std::string* GedcomTest::english_ = nullptr;

TEST_F(GedcomTest, HoldsTheLinesOfTheHousehold) {
    const std::vector<std::string> swedish = {
        "0 HEAD", "1 SOUR TESSLA", "2 VERS 1.02", "1 DATE 11 DEC 2026", "1 SUBM @U1@", "2 VERS 5.5.1",
        "2 FORM LINEAGE-LINKED", "1 CHAR UTF-8", "0 @U1@ SUBM", "0 @S1@ SOUR", "1 TITL Folkräkningen 1890",
        "1 PUBL Tessla 1.02, databasdatum 2026-12-10",
        // Names, sex, dates as the roll writes them, and places.
        "1 NAME Karl Johan /Åström/", "2 GIVN Karl Johan", "2 SURN Åström", "1 NAME Élise /Åström/",
        "1 NAME Kajsa /Bäck/", "1 SEX M", "1 SEX F", "1 SEX U", "2 DATE ABT 1842", "2 DATE ABT 1873",
        "2 DATE 1845", "2 DATE (186?)", "2 PLAC Alunda, Uppsala län, Sverige", "2 PLAC Christiania, Norge",
        "1 OCCU Torpare (Hemmansägare)", "1 OCCU Piga @@ gården",
        // The census event at the residence, the village's comma no place level, cited.
        "1 CENS", "2 DATE 1890", "2 PLAC Norrby; östra, Alunda, Uppsala län, Uppland", "2 SOUR @S1@",
        "3 PAGE Uppsala län, Alunda, hushåll 12, POSTID P-1",
        "3 PAGE Uppsala län, Alunda, hushåll 12, POSTID P-9", "1 NOTE Flyttade hit 1888 @@ Norrby.", "2 CONT",
        "2 CONT Sista raden", "2 PEDI foster", "0 TRLR"};
    for (const std::string& line : swedish)
        EXPECT_NE(swedish_->find(line + "\r\n"), std::string::npos) << line;
    const std::vector<std::string> english = {"1 TITL Census of Sweden 1890", "1 PUBL Tessla 1.02",
                                              "1 DATE 5 MAR 2026", "2 PLAC Alunda, Uppsala län, Sweden",
                                              "3 PAGE Uppsala län, Alunda, household 12, POSTID P-1"};
    for (const std::string& line : english)
        EXPECT_NE(english_->find(line + "\r\n"), std::string::npos) << line;
    EXPECT_EQ(swedish_->find("2 DATE \r\n"), std::string::npos) << "an empty year gives no date";
    EXPECT_TRUE(swedish_->starts_with("0 HEAD\r\n"));
    EXPECT_TRUE(swedish_->ends_with("0 TRLR\r\n"));
}

TEST_F(GedcomTest, ParsesWithLevelsCrossReferencesAndNoteWhole) {
    const std::vector<GedcomLine> lines = parse(*swedish_);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().level, 0);
    std::map<std::string, std::string> records;                                  // xref → record tag
    std::map<std::string, std::set<std::pair<std::string, std::string>>> links;  // xref → (tag, pointer)
    std::string record, note;
    bool inNote = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const GedcomLine& line = lines[i];
        if (i > 0) {
            EXPECT_LE(line.level, lines[i - 1].level + 1) << "line " << i + 1 << " " << line.tag;
        }
        if (line.level == 0) {
            record = line.xref;
            if (!line.xref.empty()) {
                EXPECT_TRUE(records.emplace(line.xref, line.tag).second) << line.xref;
            }
        }
        if (isPointer(line.value)) {
            links[record].emplace(line.tag, line.value);
        } else {
            EXPECT_EQ(withoutDoubledAts(line.value).find("@@"), std::string::npos) << line.value;
            std::string rest = line.value;
            for (std::size_t at; (at = rest.find("@@")) != std::string::npos;) rest.erase(at, 2);
            EXPECT_EQ(rest.find('@'), std::string::npos) << "every @ of a value doubled: " << line.value;
        }
        if (line.level == 1) inNote = line.tag == "NOTE";
        if (line.level == 1 && inNote) note = line.value;
        if (line.level == 2 && inNote) note += (line.tag == "CONT" ? "\n" : "") + line.value;
        if (line.level == 2 && inNote) {
            EXPECT_TRUE(line.tag == "CONT" || line.tag == "CONC") << line.tag;
        }
    }
    EXPECT_EQ(withoutDoubledAts(note), kRemarks) << "CONT and CONC give the remarks back whole";
    EXPECT_EQ(std::count(swedish_->begin(), swedish_->end(), '\n'), static_cast<long>(lines.size()));

    // Every pointer resolves, and each family link has its back-link.
    const std::map<std::string, std::string> backLink = {
        {"HUSB", "FAMS"}, {"WIFE", "FAMS"}, {"CHIL", "FAMC"}};
    int persons = 0, families = 0;
    for (const auto& [from, pointers] : links) {
        for (const auto& [tag, to] : pointers) {
            ASSERT_TRUE(records.contains(to)) << from << " " << tag << " " << to;
            if (backLink.contains(tag)) {
                EXPECT_TRUE(links[to].contains({backLink.at(tag), from})) << from << " " << tag << " " << to;
            }
            if (tag == "FAMS") {
                EXPECT_TRUE(links[to].contains({"HUSB", from}) || links[to].contains({"WIFE", from})) << from;
            }
            if (tag == "FAMC") {
                EXPECT_TRUE(links[to].contains({"CHIL", from})) << from;
            }
        }
    }
    for (const auto& [xref, tag] : records) {
        persons += tag == "INDI";
        families += tag == "FAM";
    }
    EXPECT_EQ(persons, 9);
    EXPECT_EQ(families, 2) << "the couple's and the widow's; the servant and the father get none";
}

TEST_F(GedcomTest, FamiliesFollowTheRoles) {
    // The record each individual is, by its citation's POSTID.
    std::map<std::string, std::string> postidOf;
    std::string current;
    for (const GedcomLine& line : parse(*swedish_)) {
        if (line.level == 0) current = line.xref;
        if (line.tag == "PAGE") postidOf[current] = line.value.substr(line.value.rfind(' ') + 1);
    }
    std::map<std::string, std::vector<std::string>> members;  // "F1 HUSB" → POSTIDs
    std::string family;
    for (const GedcomLine& line : parse(*swedish_)) {
        if (line.level == 0) family = line.tag == "FAM" ? line.xref : "";
        if (!family.empty() && line.level == 1)
            members[family + " " + line.tag].push_back(postidOf[line.value]);
    }
    using V = std::vector<std::string>;
    EXPECT_EQ(members["@F1@ HUSB"], V{"P-1"});
    EXPECT_EQ(members["@F1@ WIFE"], V{"P-2"});
    V children = members["@F1@ CHIL"];
    std::sort(children.begin(), children.end());
    EXPECT_EQ(children, (V{"P-3", "P-4", "P-5"}));
    EXPECT_EQ(members["@F2@ WIFE"], V{"P-6"});
    EXPECT_EQ(members["@F2@ CHIL"], V{"P-7"});
    EXPECT_FALSE(members.contains("@F2@ HUSB")) << "a family with one parent has only that parent";
    // Only the foster son's FAMC says so.
    std::size_t fosters = 0;
    for (std::size_t at = 0; (at = swedish_->find("2 PEDI foster", at)) != std::string::npos; ++at) ++fosters;
    EXPECT_EQ(fosters, 1u);
}

TEST(GedcomValues, BirthDatesAsTheRollWritesThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"1865", "1865"},          {" 1865 ", "1865"},           {"omkr. 1865", "ABT 1865"},
        {"Omkr 1865", "ABT 1865"}, {"ca 1865", "ABT 1865"},      {"ca. 1865", "ABT 1865"},
        {"abt 1865", "ABT 1865"},  {"ABT 1865", "ABT 1865"},     {"186?", "(186?)"},
        {"ca 18", "ABT 18"},       {"omkr. 18?", "(omkr. 18?)"}, {"", ""},
        {"(1865)", "(1865)"},      {"1865-66", "(1865-66)"},
    };
    for (const auto& [year, date] : cases) EXPECT_EQ(gedcomBirthDate(test::w(year)), date) << year;
    EXPECT_LE(gedcomBirthDate(std::string(80, 'x')).size(), 35u) << "a date phrase is cut to the date's size";
}

std::string repeated(std::string_view text, int times) {
    std::string out;
    for (int k = 0; k < times; ++k) out += text;
    return out;
}

TEST(GedcomValues, LongValuesAreCutToTheirSizesOnWholeCharacters) {
    Tenperson person;
    person.FNAMN = test::w(std::string(100, 'a') + " " + std::string(100, 'x'));
    person.ENAMN = test::w("Å");
    person.YRKE = test::w(repeated("ö", 60) + std::string(60, '@'));
    person.HEMFO = test::w(repeated("ä", 300) + " (Uppsala län);Uppland");
    person.OVRIGT = test::w(repeated("é", 600));
    const std::string file = householdGedcom({person}, {});
    for (const GedcomLine& line : parse(file)) {
        const auto characters = std::count_if(line.value.begin(), line.value.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        });
        if (line.tag == "NAME" && line.level == 1) {
            EXPECT_LE(characters, 120) << line.value;
        }
        if (line.tag == "OCCU") {
            EXPECT_EQ(characters, 90) << "60 ö and 15 doubled @: " << line.value;
        }
        if (line.tag == "PLAC") {
            EXPECT_LE(characters, 120);
        }
        EXPECT_TRUE(utf8ToCp1252(Utf8View(line.value)).has_value())
            << "cut on a character's boundary: " << line.value;
    }
    EXPECT_NE(file.find("2 CONC "), std::string::npos);
}

}  // namespace
}  // namespace tessla
