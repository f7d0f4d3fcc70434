#include "view/search_fields.h"

#include <algorithm>

#include "storage/picture_names.h"

namespace tessla {

namespace {

using enum FieldGroup;

// ---- what the picker shows of each list ------------------------------------------------------------

constexpr Bilingual<const char*> kCountryHint{"Dubbelklick på land visar platser",
                                              "Show individual places by double clicking"};
constexpr Bilingual<const char*> kParishHint{"Dubbelklick på församling visar platser",
                                             "Show villages, homesteads etc. by double clicking"};

constexpr FieldList flat(int list, Bilingual<const char*> title, const char* helpId) {
    return {list, title, {"", ""}, false, helpId, {"", ""}};
}

// A place list: its picker settings and the caption of its kind button.
constexpr FieldList placeList(int list, Bilingual<const char*> title, const char* helpId,
                              Bilingual<const char*> caption, bool tree = false,
                              Bilingual<const char*> hint = {"", ""}) {
    return {list, title, hint, tree, helpId, caption};
}

// The lists of a field with one list, which stands under the parish kind.
constexpr std::array<FieldList, 4> single(int list, Bilingual<const char*> title, const char* helpId) {
    return {FieldList{}, flat(list, title, helpId), FieldList{}, FieldList{}};
}

// ---- the person search ---------------------------------------------------------------------------

constexpr Bilingual<const char*> kCounty{"Län", "County"};
constexpr Bilingual<const char*> kParish{"Församling", "Parish"};
constexpr Bilingual<const char*> kProvince{"Landskap", "Province"};
constexpr Bilingual<const char*> kCountry{"Land", "Country"};

constexpr FieldDefinition kPersonFields[] = {
    {"en",
     nullptr,
     {"Efternamn", "Last name"},
     Person,
     &PersonSearch::lastName,
     single(1, {"Efternamn", "Last name"}, "HJ004")},
    {"fn",
     nullptr,
     {"Förnamn", "First name"},
     Person,
     &PersonSearch::firstNames,
     single(2, {"Förnamn", "First name"}, "HJ005")},
    {"yrke",
     nullptr,
     {"Yrke/titel", "Occupation/Title"},
     Person,
     &PersonSearch::occupation,
     single(3, {"Yrke/titel", "Occupation/title"}, "HJ006")},
    {"fod", nullptr, {"Födelseår", "Year of birth"}, Person, &PersonSearch::year, {}},
    {"foo",
     "fo",
     {"Födelseort", "Place of birth"},
     Person,
     &PersonSearch::birthPlace,
     {placeList(17, {"Födelselän", "County of birth"}, "HJ007", kCounty),
      placeList(18, {"Födelseförsamling med län", "Parish of birth"}, "HJ007", kParish),
      placeList(19, {"Födelselandskap", "Province of birth"}, "HJ007", kProvince),
      placeList(20, {"Födelseland", "Country of birth"}, "HJ007", kCountry, true,
                {"Dubbelklick visar platser", "Show individual places by double clicking"})}},
    {"boo",
     "bo",
     {"Boendeort", "Place of residence"},
     Person,
     &PersonSearch::residence,
     {placeList(14, {"Boendeort, län", "County of residence"}, "HJ008", kCounty),
      placeList(15, {"Boendeort, församling", "Parish of residence"}, "HJ008", kParish, true, kParishHint),
      placeList(16, {"Boendeort, landskap", "Province of residence"}, "HJ008", kProvince), FieldList{}}},
};

// ---- the child search ----------------------------------------------------------------------------

constexpr Bilingual<const char*> kShortCounty{"Län", "Cnt"};
constexpr Bilingual<const char*> kShortParish{"Förs.", "Psh"};
constexpr Bilingual<const char*> kShortProvince{"L-skap", "Prv"};
constexpr Bilingual<const char*> kShortCountry{"Land", "Cou"};

// The lists of a place of birth: county, parish, province, country (a tree of places).
constexpr std::array<FieldList, 4> birthPlaces(std::array<int, 4> lists,
                                               std::array<Bilingual<const char*>, 4> titles,
                                               const char* helpId) {
    return {placeList(lists[0], titles[0], helpId, kShortCounty),
            placeList(lists[1], titles[1], helpId, kShortParish),
            placeList(lists[2], titles[2], helpId, kShortProvince),
            placeList(lists[3], titles[3], helpId, kShortCountry, true, kCountryHint)};
}

constexpr FieldDefinition kChildFields[] = {
    {"barnfn",
     nullptr,
     {"Förnamn", "First name"},
     Child,
     &ChildSearch::childFirstNames,
     single(6, {"Barn, förnamn", "First name"}, "HJ009")},
    {"barnfod", nullptr, {"Födelseår", "Year of birth"}, Child, &ChildSearch::childYear, {}},
    {"barnfoo",
     "barnfo",
     {"Födelseort", "Place of birth"},
     Child,
     &ChildSearch::childBirthPlace,
     birthPlaces({9, 8, 10, 21},
                 {{{"Barn, födelselän", "County of birth"},
                   {"Barn, födelseförsamling med län", "Parish of birth"},
                   {"Barn, födelselandskap", "Province of birth"},
                   {"Barn, födelseland", "Country of birth"}}},
                 "HJ010")},
    {"barnboo",
     "barnbo",
     {"Boendeort", "Place of residence"},
     Child,
     &ChildSearch::childResidence,
     {placeList(11, {"Barn, boendeort, län", "County of residence"}, "HJ011", kShortCounty),
      placeList(12, {"Barn, boendeort, församling", "Parish of residence"}, "HJ011", {"Fs/plats", "Psh"},
                true, kParishHint),
      placeList(13, {"Barn, boendeort, landskap", "Province of residence"}, "HJ011", kShortProvince),
      FieldList{}}},

    {"faren",
     nullptr,
     {"Far, efternamn", "Father, last name"},
     Father,
     &ChildSearch::fatherLastName,
     single(22, {"Far, efternamn", "Father, last name"}, "HJ013")},
    {"farfn",
     nullptr,
     {"Far, förnamn", "Father, first name"},
     Father,
     &ChildSearch::fatherFirstNames,
     single(23, {"Far, förnamn", "Father, first name"}, "HJ014")},
    {"faryrke",
     nullptr,
     {"Far, yrke/titel", "Father, occupation/title"},
     Father,
     &ChildSearch::fatherOccupation,
     single(29, {"Far, yrke/titel", "Father, occupation/title"}, "HJ015")},
    {"farfod", nullptr, {"Far, födelseår", "Father, year of birth"}, Father, &ChildSearch::fatherYear, {}},
    {"farfoo",
     "farfo",
     {"Far, födelseort", "Father, place of birth"},
     Father,
     &ChildSearch::fatherBirthPlace,
     birthPlaces({26, 25, 27, 28},
                 {{{"Far, födelselän", "Father, county of birth"},
                   {"Far, födelseförsamling", "Father, parish of birth"},
                   {"Far, födelselandskap", "Father, province of birth"},
                   {"Far, födelseland", "Father, country of birth"}}},
                 "HJ016")},

    {"moren",
     nullptr,
     {"Mor, efternamn", "Mother, last name"},
     Mother,
     &ChildSearch::motherLastName,
     single(30, {"Mor, efternamn", "Mother, last name"}, "HJ017")},
    {"morfn",
     nullptr,
     {"Mor, förnamn", "Mother, first name"},
     Mother,
     &ChildSearch::motherFirstNames,
     single(31, {"Mor, förnamn", "Mother, first name"}, "HJ018")},
    {"moryrke",
     nullptr,
     {"Mor, yrke/titel", "Mother, occupation/title"},
     Mother,
     &ChildSearch::motherOccupation,
     single(37, {"Mor, yrke/titel", "Mother, occupation/title"}, "HJ019")},
    {"morfod", nullptr, {"Mor, födelseår", "Mother, year of birth"}, Mother, &ChildSearch::motherYear, {}},
    {"morfoo",
     "morfo",
     {"Mor, födelseort", "Mother, place of birth"},
     Mother,
     &ChildSearch::motherBirthPlace,
     birthPlaces({34, 33, 35, 36},
                 {{{"Mor, födelselän", "Mother, county of birth"},
                   {"Mor, födelseförsamling", "Mother, parish of birth"},
                   {"Mor, födelselandskap", "Mother, province of birth"},
                   {"Mor, födelseland", "Mother, country of birth"}}},
                 "HJ020")},

    {"syskonfn",
     nullptr,
     {"Syskon, förnamn", "Sibling, first name"},
     Sibling,
     &ChildSearch::siblingFirstNames,
     single(38, {"Syskon, förnamn", "Sibling, first name"}, "HJ012")},
};

constexpr FormDefinition kPersonForm{
    SearchForm::Person, {"Tessla, sök", "Tessla, Search"}, "HJ002", picture::tslsok, kPersonFields};
constexpr FormDefinition kChildForm{SearchForm::Child,
                                    {"Tessla, sök barn", "Tessla, Child search"},
                                    "HJ003",
                                    picture::tslsokbarn,
                                    kChildFields};

// The names of the place-kind buttons after their stem, by kind.
constexpr std::array<const char*, 4> kKindNames = {"len", "fors", "landskap", "nation"};

}  // namespace

std::string editName(const FieldDefinition& field) {
    return std::string(field.stem) + "edit";
}

std::string typeButtonName(const FieldDefinition& field) {
    return std::string(field.stem) + "abcknapp";
}

std::string listButtonName(const FieldDefinition& field) {
    return std::string(field.stem) + "listknapp";
}

std::string kindButtonName(const FieldDefinition& field, PlaceKind kind) {
    return std::string(field.kindStem != nullptr ? field.kindStem : "") +
           kKindNames[static_cast<std::size_t>(kind)] + "knapp";
}

const FormDefinition& formDefinition(SearchForm form) {
    return form == SearchForm::Person ? kPersonForm : kChildForm;
}

Bilingual<const char*> groupHeading(FieldGroup group) {
    switch (group) {
        case Child:
            return {"Barn", "Child"};
        case Father:
            return {"Far", "Father"};
        case Mother:
            return {"Mor", "Mother"};
        case Sibling:
            return {"Syskon", "Sibling"};
        case Person:
            break;
    }
    return {"", ""};
}

Bilingual<const char*> typeHint(const FieldDefinition& field) {
    if (nameVariantsOf(field.listOf(PlaceKind::Parish).list) == NameVariants::Spelling)
        return {"Skriv in sökord; ~ före ett namn söker alla stavningar (~Karl: Carl, Karl)",
                "Enter search word; ~ before a name finds every spelling (~Karl: Carl, Karl)"};
    return {"Skriv in sökord", "Enter search word"};
}

PickerRequest pickerRequest(const FieldList& list) {
    return {list.list, list.title, list.extraHint, list.tree, list.helpId};
}

// ---- one field -------------------------------------------------------------------------------------

void SearchField::type(std::string text) {
    if (!listMode_) text_ = std::move(text);
}

std::optional<PickerRequest> SearchField::toListMode() {
    if (!definition_->picks()) return std::nullopt;
    // Only what was typed is kept: a field already showing picks shows no typed text.
    if (!listMode_) typed_ = text_;
    listMode_ = true;
    return pickerRequest(list());
}

void SearchField::showPicks(Database& db) {
    if (!listMode_) return;
    const int number = list().list;
    text_ = number >= 1 && number <= kPickerLists ? sammanfatta(db.tessls(number)) : std::string();
}

void SearchField::toTypeMode() {
    if (!listMode_) return;
    listMode_ = false;
    text_ = typed_;
}

bool SearchField::setKind(PlaceKind kind, Database& db) {
    if (kind == kind_ || !definition_->offers(kind)) return false;
    kind_ = kind;
    showPicks(db);
    return true;
}

void SearchField::clear() {
    listMode_ = false;
    kind_ = PlaceKind::Parish;
    text_.clear();
    typed_.clear();
}

// ---- a window's fields -----------------------------------------------------------------------------

SearchFields::SearchFields(SearchForm form) : definition_(&formDefinition(form)) {
    fields_.reserve(definition_->fields.size());
    for (const FieldDefinition& field : definition_->fields) fields_.emplace_back(field);
}

SearchField* SearchFields::field(std::string_view stem) {
    const auto found =
        std::ranges::find_if(fields_, [&](const SearchField& f) { return f.definition().stem == stem; });
    return found == fields_.end() ? nullptr : &*found;
}

std::vector<int> SearchFields::pickedLists() const {
    std::vector<int> lists;
    for (const FieldDefinition& field : definition_->fields) {
        for (const FieldList& list : field.lists)
            if (list.list != 0) lists.push_back(list.list);
    }
    std::ranges::sort(lists);
    lists.erase(std::unique(lists.begin(), lists.end()), lists.end());
    return lists;
}

void SearchFields::rensa(Database& db, PickerPositions& positions) {
    for (SearchField& field : fields_) field.clear();
    for (const int list : pickedLists()) clearPicks(db, positions, list);
}

template <typename Options>
Options SearchFields::criteria() const {
    Options options;
    for (const SearchField& field : fields_) {
        if (const auto* slot = std::get_if<Criterion Options::*>(&field.definition().criterion))
            options.** slot = field.criterion();
    }
    return options;
}

PersonSearch SearchFields::personSearch() const {
    return criteria<PersonSearch>();
}

ChildSearch SearchFields::childSearch() const {
    return criteria<ChildSearch>();
}

std::optional<std::int32_t> SearchFields::search(Database& db) const {
    if (definition_->form == SearchForm::Person) return dosokning(db, personSearch(), nullptr);
    return dobarnsokning(db, childSearch(), nullptr);
}

}  // namespace tessla
