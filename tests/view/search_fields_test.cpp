#include "view/search_fields.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "search/search_census.h"
#include "test_text.h"

namespace tessla {
namespace {

using test::searchCensus;
using test::w;
using ::testing::ElementsAre;
using enum PlaceKind;

class SearchFieldsTest : public ::testing::Test {
  protected:
    Database& db() { return searchCensus().db(); }
    // Picks the rows `texts` (UTF-8) of list `list`.
    void pick(int list, std::vector<const char*> texts) {
        for (const char* text : texts) {
            const std::int32_t row = db().tessls(list).sokexakt(w(text));
            ASSERT_GE(row, 1) << text;
            db().tessls(list).vald().satt(row, true);
        }
    }
    void TearDown() override {
        for (int list = 1; list <= kPickerLists; ++list) {
            db().tessls(list).vald().tomma();
            db().tessls(list).expanderad().tomma();
            db().tessls(list).byggvy();
        }
    }
    SearchFields person_{SearchForm::Person};
    SearchFields child_{SearchForm::Child};
};

std::vector<std::string> editNames(const SearchFields& fields) {
    std::vector<std::string> names;
    for (const SearchField& field : fields.fields()) names.push_back(editName(field.definition()));
    return names;
}

TEST_F(SearchFieldsTest, ControlsAreNamedAfterTheirFields) {
    EXPECT_THAT(editNames(person_),
                ElementsAre("enedit", "fnedit", "yrkeedit", "fodedit", "fooedit", "booedit"));
    EXPECT_THAT(editNames(child_),
                ElementsAre("barnfnedit", "barnfodedit", "barnfooedit", "barnbooedit", "farenedit",
                            "farfnedit", "faryrkeedit", "farfodedit", "farfooedit", "morenedit", "morfnedit",
                            "moryrkeedit", "morfodedit", "morfooedit", "syskonfnedit"));
    const FieldDefinition& lastName = person_.field("en")->definition();
    EXPECT_EQ(typeButtonName(lastName), "enabcknapp");
    EXPECT_EQ(listButtonName(lastName), "enlistknapp");
    const FieldDefinition& birth = person_.field("foo")->definition();
    const FieldDefinition& residence = child_.field("barnboo")->definition();
    std::vector<std::string> kinds;
    for (const PlaceKind kind : kPlaceKinds) {
        if (birth.offers(kind)) kinds.push_back(kindButtonName(birth, kind));
        if (residence.offers(kind)) kinds.push_back(kindButtonName(residence, kind));
    }
    EXPECT_THAT(kinds, ElementsAre("folenknapp", "barnbolenknapp", "foforsknapp", "barnboforsknapp",
                                   "folandskapknapp", "barnbolandskapknapp", "fonationknapp"));
    // The years have no list and no kinds.
    EXPECT_FALSE(person_.field("fod")->definition().picks());
    EXPECT_FALSE(child_.field("morfod")->definition().picks());
}

// The name fields' type buttons tell how to ask for every spelling; the other fields do not.
TEST_F(SearchFieldsTest, NameFieldsHintAtSpellingVariants) {
    std::vector<std::string> withTilde;
    for (const SearchForm form : {SearchForm::Person, SearchForm::Child}) {
        for (const FieldDefinition& definition : formDefinition(form).fields) {
            const Bilingual<const char*> hint = typeHint(definition);
            const bool swedish = std::string_view(hint.swedish).find('~') != std::string_view::npos;
            EXPECT_EQ(swedish, std::string_view(hint.english).find('~') != std::string_view::npos)
                << definition.stem;
            if (swedish) withTilde.push_back(definition.stem);
        }
    }
    EXPECT_THAT(withTilde, ElementsAre("en", "fn", "barnfn", "faren", "farfn", "moren", "morfn", "syskonfn"));
}

// Every list a field picks from, by each kind it offers, is the list the search core searches for
// that criterion and kind: one row picked there finds exactly that row's persons.
TEST_F(SearchFieldsTest, EachListIsTheOneTheSearchUses) {
    std::vector<int> empty;
    for (SearchFields* form : {&person_, &child_}) {
        for (SearchField& field : form->fields()) {
            if (!field.definition().picks()) continue;
            for (const PlaceKind kind : kPlaceKinds) {
                if (field.definition().place() ? !field.definition().offers(kind) : kind != Parish) continue;
                const int number = field.definition().listOf(kind).list;
                TSPstruktlista& list = db().tessls(number);
                if (list.rowCount() == 0) {
                    empty.push_back(number);
                    continue;
                }
                std::int32_t row = 1;
                for (list.lasrad(row); list.ord1() == 0xFFFFFFFFu; list.lasrad(++row)) {
                }
                Tspsmalurval persons = db().tessllista().vald();
                persons.tomma();
                list.markera(persons);
                list.vald().satt(row, true);

                field.setKind(kind, db());
                ASSERT_TRUE(field.toListMode());
                field.showPicks(db());
                EXPECT_EQ(form->search(db()), persons.count())
                    << editName(field.definition()) << " list " << number;
                EXPECT_EQ(db().tessllista().vald().count(), persons.count());
                list.vald().tomma();
                field.clear();
            }
        }
    }
    // No mother of the census has an occupation; every other list was checked.
    EXPECT_THAT(empty, ElementsAre(37));
}

// A mended fault: reopening the picker from list mode kept the summary as the typed text, so going
// back to typing lost what was typed.
TEST_F(SearchFieldsTest, TypedTextSurvivesListModeAndReopening) {
    SearchField& lastName = *person_.field("en");
    lastName.type(w("Ander"));
    const std::optional<PickerRequest> request = lastName.toListMode();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->list, 1);
    EXPECT_STREQ(request->title.swedish, "Efternamn");
    EXPECT_STREQ(request->helpId, "HJ004");
    EXPECT_FALSE(request->tree);
    pick(1, {"Öst", "Ek"});
    lastName.showPicks(db());
    EXPECT_EQ(lastName.text(), w("Ek;Öst"));
    EXPECT_TRUE(lastName.criterion().fromList);

    lastName.type("ignored while showing picks");
    ASSERT_TRUE(lastName.toListMode());
    pick(1, {"Persson"});
    lastName.showPicks(db());
    EXPECT_EQ(lastName.text(), w("Ek;Persson;Öst"));

    lastName.toTypeMode();
    EXPECT_FALSE(lastName.listMode());
    EXPECT_EQ(lastName.text(), w("Ander"));
    EXPECT_FALSE(lastName.criterion().fromList);
    // The picks stay in the list, unused, and show again in list mode.
    ASSERT_TRUE(lastName.toListMode());
    lastName.showPicks(db());
    EXPECT_EQ(lastName.text(), w("Ek;Persson;Öst"));
}

TEST_F(SearchFieldsTest, PlaceKindsChooseTheListAndItsSummary) {
    SearchField& birth = *person_.field("foo");
    EXPECT_EQ(birth.kind(), Parish);
    birth.type(w("Eda"));
    EXPECT_TRUE(birth.setKind(County, db()));
    EXPECT_EQ(birth.text(), w("Eda"));  // typing: the text stays

    pick(17, {"Värmlands län"});
    pick(18, {"Eda (Värmlands län)", "Alunda (Uppsala län)"});
    const std::optional<PickerRequest> county = birth.toListMode();
    ASSERT_TRUE(county);
    EXPECT_EQ(county->list, 17);
    birth.showPicks(db());
    EXPECT_EQ(birth.text(), w("Värmlands län"));
    EXPECT_TRUE(birth.setKind(Parish, db()));
    EXPECT_EQ(birth.text(), w("Alunda (Uppsala län);Eda (Värmlands län)"));
    EXPECT_TRUE(birth.setKind(Country, db()));
    EXPECT_EQ(birth.text(), "");  // nothing picked there: the criterion is not used
    const std::optional<PickerRequest> country = birth.toListMode();
    ASSERT_TRUE(country);
    EXPECT_EQ(country->list, 20);
    EXPECT_TRUE(country->tree);
    EXPECT_STREQ(country->extraHint.english, "Show individual places by double clicking");
    birth.toTypeMode();
    EXPECT_EQ(birth.text(), w("Eda"));

    // A residence has no country, and a year no list.
    SearchField& residence = *person_.field("boo");
    EXPECT_FALSE(residence.setKind(Country, db()));
    EXPECT_EQ(residence.kind(), Parish);
    EXPECT_FALSE(person_.field("fod")->toListMode());
    EXPECT_FALSE(person_.field("fod")->listMode());
}

TEST_F(SearchFieldsTest, RensaClearsOnlyItsWindowsLists) {
    const std::vector<int> personLists = {1, 2, 3, 14, 15, 16, 17, 18, 19, 20};
    EXPECT_EQ(person_.pickedLists(), personLists);
    std::vector<int> childLists;
    for (int list = 6; list <= 38; ++list)
        if ((list <= 13 || list >= 21) && list != 7 && list != 24 && list != 32) childLists.push_back(list);
    EXPECT_EQ(child_.pickedLists(), childLists);  // 7, 24 and 32 are the year lists

    pick(1, {"Ek"});
    pick(6, {"Maria"});
    pick(12, {"Alunda (Uppsala län)"});
    TSPstruktlista& parishes = db().tessls(15);
    const std::int32_t closedRows = parishes.visibleCount();
    const std::int32_t alunda = parishes.sokexakt(w("Alunda (Uppsala län)"));
    parishes.vald().satt(alunda, true);
    parishes.expandera(alunda);
    parishes.byggvy();
    ASSERT_GT(parishes.visibleCount(), closedRows);
    PickerPositions positions;
    for (const int list : {1, 6, 15}) positions.save(list, {3, 5});

    SearchField& residence = *person_.field("boo");
    residence.setKind(County, db());
    residence.toListMode();
    child_.field("barnfn")->type("Maria");

    person_.rensa(db(), positions);
    EXPECT_EQ(db().tessls(1).vald().count(), 0);
    EXPECT_EQ(parishes.vald().count(), 0);
    EXPECT_EQ(parishes.expanderad().count(), 0);
    EXPECT_EQ(parishes.visibleCount(), closedRows);  // opened parishes closed
    EXPECT_EQ(positions.of(1).top, 0);
    EXPECT_EQ(positions.of(15).current, 0);
    EXPECT_FALSE(residence.listMode());
    EXPECT_EQ(residence.kind(), Parish);
    // The child search's picks, rows and fields are its own.
    EXPECT_EQ(db().tessls(6).vald().count(), 1);
    EXPECT_EQ(db().tessls(12).vald().count(), 1);
    EXPECT_EQ(positions.of(6).top, 3);
    EXPECT_EQ(child_.field("barnfn")->text(), "Maria");

    child_.rensa(db(), positions);
    EXPECT_EQ(db().tessls(6).vald().count(), 0);
    EXPECT_EQ(db().tessls(12).vald().count(), 0);
    EXPECT_EQ(positions.of(6).current, 0);
    EXPECT_EQ(child_.field("barnfn")->text(), "");
}

TEST_F(SearchFieldsTest, FieldsFillTheirCriteria) {
    person_.field("en")->type("Eklund");
    person_.field("fod")->type("1880-1885");
    SearchField& residence = *person_.field("boo");
    residence.setKind(Province, db());
    pick(16, {"Uppland"});
    residence.toListMode();
    residence.showPicks(db());

    const PersonSearch search = person_.personSearch();
    EXPECT_EQ(search.lastName.text, "Eklund");
    EXPECT_FALSE(search.lastName.fromList);
    EXPECT_EQ(search.year.text, "1880-1885");
    EXPECT_EQ(search.residence.text, "Uppland");
    EXPECT_TRUE(search.residence.fromList);
    EXPECT_EQ(search.residence.kind, Province);
    EXPECT_EQ(search.firstNames.text, "");

    child_.field("syskonfn")->type("Stina");
    child_.field("farfoo")->setKind(Country, db());
    const ChildSearch children = child_.childSearch();
    EXPECT_EQ(children.siblingFirstNames.text, "Stina");
    EXPECT_EQ(children.fatherBirthPlace.kind, Country);
    EXPECT_EQ(children.childFirstNames.text, "");

    // Nothing filled: no search, and an empty result.
    SearchFields empty(SearchForm::Child);
    db().tessllista().vald().fyllalla();
    EXPECT_EQ(empty.search(db()), std::nullopt);
    EXPECT_EQ(db().tessllista().vald().count(), 0);
}

}  // namespace
}  // namespace tessla
