#include "builder/list_values.h"

#include <algorithm>
#include <array>
#include <optional>

#include "base/string_utils.h"
#include "storage/collation.h"
#include "storage/word_list_format.h"

namespace tessla {
namespace {

constexpr std::array<std::string_view, 25> kProvinces = {
    "Sk\xE5ne",
    "Blekinge",
    "Halland",
    "Sm\xE5land",
    "\xD6land",
    "Gotland",
    "\xD6sterg\xF6tland",
    "V\xE4sterg\xF6tland",
    "Bohusl\xE4n",
    "Dalsland",
    "V\xE4rmland",
    "N\xE4rke",
    "S\xF6"
    "dermanland",
    "Uppland",
    "V\xE4stmanland",
    "Dalarna",
    "G\xE4strikland",
    "H\xE4lsingland",
    "H\xE4rjedalen",
    "J\xE4mtland",
    "Medelpad",
    "\xC5ngermanland",
    "V\xE4sterbotten",
    "Norrbotten",
    "Lappland",
};
constexpr std::string_view kSweden = "Sverige";

// The lists one kind of value goes to, for persons, for children and for a child's father and
// mother. 0 where a group has no such list.
struct ListNumbers {
    int lastName, firstNames, year, occupation;
    int birthParish, birthCounty, birthProvince, birthCountry;
    int residenceCounty, residenceParish, residenceProvince;
};
constexpr ListNumbers kPersonLists{1, 2, 4, 3, 18, 17, 19, 20, 14, 15, 16};
constexpr ListNumbers kChildLists{0, 6, 7, 0, 8, 9, 10, 21, 11, 12, 13};
constexpr ListNumbers kFatherLists{22, 23, 24, 29, 25, 26, 27, 28, 0, 0, 0};
constexpr ListNumbers kMotherLists{30, 31, 32, 37, 33, 34, 35, 36, 0, 0, 0};

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

// Calls `each` with every blank-separated word of `text`.
template <class Each>
void forEachWord(std::string_view text, Each each) {
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && static_cast<unsigned char>(text[at]) <= 32) ++at;
        std::size_t end = at;
        while (end < text.size() && static_cast<unsigned char>(text[end]) > 32) ++end;
        if (end > at) each(text.substr(at, end - at));
        at = end;
    }
}

// Where a person was born: a Swedish province, or a country abroad.
struct BirthLand {
    std::string province;  // empty abroad
    std::string country;   // empty when unknown
};

BirthLand birthLand(const CensusRow& person) {
    std::string land(person[FOLAND1890]);
    land.erase(std::remove_if(land.begin(), land.end(), [](char c) { return c == '[' || c == ']'; }),
               land.end());
    const std::string_view value = trimBlanks(land);
    if (value.empty()) return {};
    for (const std::string_view province : kProvinces) {
        if (CollCompare(value, province, CollationOrder::AccentRankOrder) == 0)
            return {std::string(value), "Sverige"};
    }
    return {"", std::string(value)};
}

class PersonValues {
  public:
    PersonValues(ListValueSink& sink, const CensusRow& person) : sink_(sink), person_(person) {}

    // Sends the person's values to the lists of `lists`, for `record`.
    void send(const ListNumbers& lists, std::uint32_t record) const {
        add(lists.lastName, person_[ENAMN], record);
        forEachWord(person_[FNAMN], [&](std::string_view name) { add(lists.firstNames, name, record); });
        add(lists.year, person_[FODAR], record);
        add(lists.occupation, person_[YRKE], record);
        add(lists.occupation, person_[TITEL], record);
        add(lists.birthParish, person_[FOFORS1890], record);
        add(lists.birthCounty, person_[FOLEN1890], record);
        const BirthLand land = birthLand(person_);
        add(lists.birthProvince, land.province, record);
        if (lists.birthCountry != 0 && !land.country.empty()) {
            const std::string_view place =
                land.country == kSweden ? std::string_view() : trimBlanks(person_[FOFORS]);
            sink_.addPlace(lists.birthCountry, land.country, place, record);
        }
        add(lists.residenceCounty, person_[HEMLEN], record);
        const std::string_view home = trimBlanks(person_[HEMFO]);
        const std::size_t semicolon = std::min(home.find(';'), home.size());
        const std::string_view parish = trimBlanks(home.substr(0, semicolon));
        if (lists.residenceParish != 0 && !parish.empty()) {
            sink_.addPlace(lists.residenceParish, parish, trimBlanks(person_[HEMBY]), record);
        }
        add(lists.residenceProvince, home.substr(std::min(semicolon + 1, home.size())), record);
    }

    void add(int list, std::string_view value, std::uint32_t record) const {
        value = trimBlanks(value);
        if (list != 0 && !value.empty()) sink_.add(list, value, record);
    }

  private:
    ListValueSink& sink_;
    const CensusRow& person_;
};

// The first person of the family (same family number) with role `role`.
std::optional<std::size_t> parentOf(std::span<const CensusRow> household, std::size_t child, char role) {
    const std::string_view family = trimBlanks(household[child][FAMNR]);
    for (std::size_t i = 0; i < household.size(); ++i) {
        if (roleLetter(household[i]) == role && trimBlanks(household[i][FAMNR]) == family) return i;
    }
    return std::nullopt;
}

void addChildValues(std::span<const CensusRow> household, std::size_t child, std::uint32_t record,
                    ListValueSink& sink) {
    const CensusRow& person = household[child];
    PersonValues(sink, person).send(kChildLists, record);
    if (const auto father = parentOf(household, child, 'F'))
        PersonValues(sink, household[*father]).send(kFatherLists, record);
    if (const auto mother = parentOf(household, child, 'M'))
        PersonValues(sink, household[*mother]).send(kMotherLists, record);
    const std::string_view family = trimBlanks(person[FAMNR]);
    for (std::size_t i = 0; i < household.size(); ++i) {
        if (i == child || roleLetter(household[i]) != 'B' || trimBlanks(household[i][FAMNR]) != family)
            continue;
        forEachWord(household[i][FNAMN], [&](std::string_view name) { sink.add(38, name, record); });
    }
}

}  // namespace

char roleLetter(const CensusRow& person) {
    const std::string_view code = trimBlanks(person[FAMSTKOD]);
    return code.empty() ? '-' : upper(code.substr(code.size() - 1))[0];
}

std::string householdKey(const CensusRow& person) {
    return word_list_format::householdIndexKey(person[HEMLEN], person[HEMFO], person[HUSHNR]);
}

std::string masterRowText(const CensusRow& person) {
    const std::string_view last = trimBlanks(person[ENAMN]);
    const std::string_view first = trimBlanks(person[FNAMN]);
    std::string text(last);
    if (!last.empty() && !first.empty()) text += ", ";
    text += first;
    text += word_list_format::kMasterRowSeparator;
    text += trimBlanks(person[FODAR]);
    text += word_list_format::kMasterRowSeparator;
    text += zeroPadded(trimBlanks(person[HUSHNR]), 7);
    text += zeroPadded(trimBlanks(person[FAMNR]), 4);
    text += word_list_format::kMasterRowSeparator;
    text += roleLetter(person);
    return text;
}

void addHouseholdValues(std::span<const CensusRow> household, std::uint32_t firstRecord,
                        ListValueSink& sink) {
    for (std::size_t i = 0; i < household.size(); ++i) {
        const CensusRow& person = household[i];
        const auto record = static_cast<std::uint32_t>(firstRecord + i);
        const PersonValues values(sink, person);
        values.send(kPersonLists, record);
        sink.add(5, householdKey(person), record);
        std::string civilStatus(trimBlanks(person[CIVST]));
        civilStatus += trimBlanks(person[GENUS]);
        values.add(39, civilStatus, record);
        values.add(40, person[FOFORS], record);
        values.add(kAllOccupations, person[YRKE], record);
        if (roleLetter(person) == 'B') addChildValues(household, i, record, sink);
    }
}

}  // namespace tessla
