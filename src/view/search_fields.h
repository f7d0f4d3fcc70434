#pragma once

// The search windows' fields without pixels: each window's table of fields (names, labels, the
// word list of each place kind with what the picker shows of it, the criterion it fills), the
// state of one field (typed or picked from its list, the text it shows, the typed text it keeps
// while it shows picks, its place kind) with its transitions, and a window's whole set of fields:
// clearing it (`rensa`) and running its search through the search core.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "census/person.h"
#include "database/database.h"
#include "search/child_search.h"
#include "search/person_search.h"
#include "view/list_picks.h"

namespace tessla {

// The place kinds in the order their buttons stand.
inline constexpr std::array<PlaceKind, 4> kPlaceKinds = {PlaceKind::County, PlaceKind::Parish,
                                                         PlaceKind::Province, PlaceKind::Country};

// A word list a field picks from, and what the picker shows of it. A place field has one per
// place kind it offers, captioned on the kind's button.
struct FieldList {
    int list = 0;  // `tessls<list>`; 0: none
    Bilingual<const char*> title{"", ""};
    Bilingual<const char*> extraHint{"", ""};
    bool tree = false;  // shown as a tree of its parent table's rows and their places
    const char* helpId = "";
    Bilingual<const char*> kindCaption{"", ""};  // place fields only
};

// The part of a window a field belongs to; the child search shows its parts apart.
enum class FieldGroup : std::uint8_t { Person, Child, Father, Mother, Sibling };

// The criterion of the search core a field fills.
using CriterionSlot = std::variant<Criterion PersonSearch::*, Criterion ChildSearch::*>;

struct FieldDefinition {
    // The names of the field's controls: `<stem>edit`, `<stem>abcknapp`, `<stem>listknapp`; the
    // place-kind buttons `<kindStem>lenknapp`, `…forsknapp`, `…landskapknapp`, `…nationknapp`.
    const char* stem;
    const char* kindStem;  // null: no place kinds
    Bilingual<const char*> label;
    FieldGroup group;
    CriterionSlot criterion;
    // By place kind (index of PlaceKind); a field with a single list has it under Parish, a year
    // field none.
    std::array<FieldList, 4> lists{};

    bool picks() const { return lists[static_cast<std::size_t>(PlaceKind::Parish)].list != 0; }
    bool place() const { return kindStem != nullptr; }
    // Whether the field has a button for `kind`.
    bool offers(PlaceKind kind) const { return place() && lists[static_cast<std::size_t>(kind)].list != 0; }
    const FieldList& listOf(PlaceKind kind) const { return lists[static_cast<std::size_t>(kind)]; }
};

std::string editName(const FieldDefinition& field);
std::string typeButtonName(const FieldDefinition& field);
std::string listButtonName(const FieldDefinition& field);
std::string kindButtonName(const FieldDefinition& field, PlaceKind kind);

enum class SearchForm : std::uint8_t { Person, Child };

// What a search window shows besides its fields.
struct FormDefinition {
    SearchForm form;
    Bilingual<const char*> title;
    const char* helpId;
    std::string_view background;  // its skin picture
    std::span<const FieldDefinition> fields;
};

const FormDefinition& formDefinition(SearchForm form);
// The heading of a part of the child search; empty for the person search's one part.
Bilingual<const char*> groupHeading(FieldGroup group);

// The hint of a field's type button; in the name fields it tells how to find every spelling of a
// name ("~" before it).
Bilingual<const char*> typeHint(const FieldDefinition& field);

// The picker's request for `list` of a field.
PickerRequest pickerRequest(const FieldList& list);

// One field's state. Texts are Windows-1252. A field starts typed, empty, at the parish kind.
class SearchField {
  public:
    explicit SearchField(const FieldDefinition& definition) : definition_(&definition) {}

    const FieldDefinition& definition() const { return *definition_; }
    // Whether the field shows the picks of its list (grey, italic, not editable) rather than
    // what was typed.
    bool listMode() const { return listMode_; }
    PlaceKind kind() const { return kind_; }
    // What the field shows: the typed text, or in list mode the summary of its list's picks.
    const std::string& text() const { return text_; }
    // The list of the current place kind.
    const FieldList& list() const { return definition_->listOf(kind_); }

    // The user changed the text; ignored in list mode.
    void type(std::string text);
    // The list button: list mode, keeping the typed text when the field leaves typing (it is
    // already kept when the field was showing picks). Returns what the picker shows; the field
    // shows the summary after the picker closes (`showPicks`). Nothing for a field without list.
    std::optional<PickerRequest> toListMode();
    // The picker closed, accepted or not: the field shows the summary of its list's picks.
    void showPicks(Database& db);
    // The type button: the typed text back.
    void toTypeMode();
    // A place-kind button: in list mode the field shows the new list's summary; a kind the
    // field does not offer changes nothing. Returns whether the kind changed.
    bool setKind(PlaceKind kind, Database& db);
    // Typed, empty, at the parish kind, with no typed text kept.
    void clear();

    Criterion criterion() const { return {text_, listMode_, kind_}; }

  private:
    const FieldDefinition* definition_;
    bool listMode_ = false;
    PlaceKind kind_ = PlaceKind::Parish;
    std::string text_;
    std::string typed_;  // kept while the field shows picks
};

// The fields of one search window.
class SearchFields {
  public:
    explicit SearchFields(SearchForm form);

    const FormDefinition& definition() const { return *definition_; }
    std::span<SearchField> fields() { return fields_; }
    std::span<const SearchField> fields() const { return fields_; }
    // The field whose stem is `stem`; null when there is none.
    SearchField* field(std::string_view stem);

    // The lists this window's fields pick from, ascending: the lists `rensa` clears.
    std::vector<int> pickedLists() const;
    // `rensa`: every field cleared, and the picks, opened rows and picker rows of every list this
    // window picks from; the other window's lists keep theirs.
    void rensa(Database& db, PickerPositions& positions);

    PersonSearch personSearch() const;
    ChildSearch childSearch() const;
    // The window's search (`dosokning` or `dobarnsokning`) into the person list's result;
    // nothing when no field is filled (the result is then empty).
    std::optional<std::int32_t> search(Database& db) const;

  private:
    template <typename Options>
    Options criteria() const;

    const FormDefinition* definition_;
    std::vector<SearchField> fields_;
};

}  // namespace tessla
