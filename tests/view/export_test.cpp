#include "view/citation.h"
#include "view/csv_export.h"
#include "view/file_names.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "census_fixture.h"
#include "python_csv.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::w;

TEST(CsvExport, FieldsAreQuotedAsRfc4180Says) {
    const std::pair<const char*, const char*> cases[] = {
        {"Lind", "Lind"},
        {"", ""},
        {"Lind, Karl", "\"Lind, Karl\""},
        {"sa \"Kalle\"", "\"sa \"\"Kalle\"\"\""},
        {"rad\r\nrad", "\"rad\r\nrad\""},
        {"rad\nrad", "\"rad\nrad\""},
        {"Åsa; ö", "Åsa; ö"},
        {"=1+1", "'=1+1"},
        {"=HYPERLINK(\"http://x.invalid\",\"Klicka\")",
         "\"'=HYPERLINK(\"\"http://x.invalid\"\",\"\"Klicka\"\")\""},
        {"\rrad", "\"'\rrad\""},
        {"a=b", "a=b"},
    };
    for (const auto& [value, field] : cases) EXPECT_EQ(csvField(value), field) << value;
}

// Every cell that a spreadsheet would take as a formula, or strip to one, gets one apostrophe in
// front and no other cell does; a real CSV reader reads each back whole, its quoting intact.
TEST(CsvExport, FormulaCellsReadBackWithOneApostropheInFront) {
    const std::pair<std::string, bool> cases[] = {
        {"=HYPERLINK(\"http://x.invalid\",\"Klicka\")", true},
        {"+Anna", true},
        {"@SUM(1)", true},
        {"-1+1", true},
        {"-", true},
        {"=A1,\"B\"\r\n", true},
        {"\t=1+1", true},
        {"\r\n=1+1", true},
        {"Anna", false},
        {"1850", false},
        {"Lind, Karl", false},
        {"A-1", false},
        {" =1+1", false},
        {"'=1+1", false},
        {"", false},
    };
    test::TempDir dir;
    std::string file;
    for (const auto& [text, formula] : cases) file += csvField(text) + "," + csvField("slut") + "\r\n";
    std::ofstream(dir.path() + "cells.csv", std::ios::binary) << file;
    const auto rows = test::readCsvWithPython(dir.path() + "cells.csv");
    ASSERT_EQ(rows.size(), std::size(cases));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& [text, formula] = cases[i];
        EXPECT_EQ(rows[i], (std::vector<std::string>{(formula ? "'" : "") + text, "slut"})) << text;
    }
}

TEST(CsvExport, HeaderAndRowInUtf8) {
    EXPECT_EQ(
        csvHeader(Language::Swedish),
        "Namn,Född,Födelseförsamling,Yrke/titel,Civilstånd/familjest.,Boendeförsamling/plats,POSTID\r\n");
    EXPECT_EQ(csvHeader(Language::English),
              "Name,Born,Place of birth,Prof./title,Family status,Place of residence,POSTID\r\n");
    Tenperson person;
    person.POSTID = " 0001 ";
    person.FNAMN = w("Anna \"Stina\"");
    person.ENAMN = w("Öberg");
    person.FODAR = " 1845";
    person.YRKE = "Piga";
    person.HEMFO = w("Alunda (Uppsala län);Uppland");
    EXPECT_EQ(csvRow(person, Language::Swedish),
              "\"Öberg, Anna \"\"Stina\"\"\",1845,,Piga,,\"Alunda (Uppsala län, Uppland)\",0001\r\n");
}

std::vector<test::CensusRow> threePersons() {
    return {{{"POSTID", "A-1"}, {"HUSHNR", "1"}, {"FNAMN", "Cecilia"}, {"ENAMN", "Berg"}, {"FODAR", "1850"}},
            {{"POSTID", "A-2"}, {"HUSHNR", "2"}, {"FNAMN", "Axel"}, {"ENAMN", "Ek"}, {"FODAR", "1840"}},
            {{"POSTID", "A-3"}, {"HUSHNR", "3"}, {"FNAMN", "Berta"}, {"ENAMN", "Al"}, {"FODAR", "1860"}}};
}

// The POSTIDs of a CSV file's rows.
std::vector<std::string> postids(const std::string& csv) {
    std::vector<std::string> out;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);  // the header
    while (std::getline(in, line))
        out.push_back(line.substr(line.rfind(',') + 1, line.size() - line.rfind(',') - 2));
    return out;
}

TEST(CsvExport, TheResultUpToTheLimitInListOrderOrSortedAsThePrintWindowSorts) {
    test::CensusFixture census(threePersons());
    census.showAllPersons();
    const auto go = [] { return true; };
    using V = std::vector<std::string>;

    const CsvExport all = exportResult(census.db(), 10, std::nullopt, Language::Swedish, go);
    EXPECT_TRUE(all.text.starts_with("\xEF\xBB\xBFNamn,"));
    EXPECT_EQ(postids(all.text), (V{"A-3", "A-1", "A-2"})) << "the result list orders by name";
    EXPECT_EQ(all.written, 3);
    EXPECT_EQ(exportLimitNotice(all.written, all.available, Language::Swedish), "");

    const CsvExport byYear = exportResult(census.db(), 10, PrintKeys{2, 0}, Language::Swedish, go);
    EXPECT_EQ(postids(byYear.text), (V{"A-2", "A-1", "A-3"}));

    const CsvExport two = exportResult(census.db(), 2, PrintKeys{2, 0}, Language::Swedish, go);
    EXPECT_EQ(postids(two.text), (V{"A-1", "A-3"})) << "the first two of the list, then sorted";
    EXPECT_EQ(two.written, 2);
    EXPECT_EQ(two.available, 3);
    EXPECT_EQ(exportLimitNotice(two.written, two.available, Language::Swedish),
              "Listan är längre än exportgränsen. Filen får de första 2 av 3 i listans ordning.");
    EXPECT_EQ(
        exportLimitNotice(500, 2000, Language::English),
        "The list is longer than the export limit. The file gets the first 500 of 2,000 in list order.");

    int steps = 0;
    const CsvExport cancelled =
        exportResult(census.db(), 10, std::nullopt, Language::Swedish, [&] { return ++steps < 2; });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.text.empty());
}

TEST(SourceCitation, NamesCensusPlaceHouseholdPostidAndTheProgramInEachLanguage) {
    Tenperson person;
    person.POSTID = "00020000001";
    person.HEMLEN = w("Örebro län");
    person.HEMFO = w("Västra Ny (Örebro län);Östergötland");
    person.HUSHNR = "7";
    EXPECT_EQ(
        cp1252ToUtf8(sourceCitation(person, Language::Swedish, "1.02", CalendarDate{2026, 12, 11})).str(),
        "Folkräkningen 1890, Örebro län, Hammar, hushåll 7, POSTID 00020000001 "
        "(Tessla 1.02, databasdatum 2026-12-11)")
        << "the parish the census names wrongly is corrected as in the person text";
    EXPECT_EQ(
        cp1252ToUtf8(sourceCitation(person, Language::English, "1.02", CalendarDate{2026, 12, 11})).str(),
        "Census of Sweden 1890, Örebro län, Hammar, household 7, POSTID 00020000001 "
        "(Tessla 1.02, database 12/11/2026)");
    person.HUSHNR.clear();
    EXPECT_EQ(cp1252ToUtf8(sourceCitation(person, Language::English, "1.02", std::nullopt)).str(),
              "Census of Sweden 1890, Örebro län, Hammar, POSTID 00020000001 (Tessla 1.02)");
}

TEST(SuggestedFileName, FromThePersonsName) {
    const auto named = [](const char* last, const char* first) {
        Tenperson person;
        person.ENAMN = w(last);
        person.FNAMN = w(first);
        return suggestedFileName(person, "hushall", "ged");
    };
    EXPECT_EQ(named("Åström", "Karl Johan"), "Åström Karl Johan.ged");
    EXPECT_EQ(named(" Lind/Berg ", "A:n?"), "LindBerg An.ged");
    EXPECT_EQ(named("", ""), "hushall.ged");
    EXPECT_EQ(named("..", "/"), "hushall.ged") << "no hidden file, no path";
}

}  // namespace
}  // namespace tessla
