#include "census/household.h"

#include <algorithm>
#include <charconv>

#include "census/person_list_rows.h"
#include "storage/cell_style.h"
#include "storage/collation.h"

namespace tessla {

namespace {

constexpr char kSeparator = '\xFF';
constexpr char kRecordMark = '\xFE';
const std::string kSeparatorName = "----------";

std::string_view recordPart(std::string_view text) {
    const std::size_t mark = text.rfind(kRecordMark);
    return mark == std::string_view::npos ? std::string_view() : text.substr(mark + 1);
}

// The entry of a cleaned person-list row text and its record number: the group key with its
// separator, the role digit of the role letter, the year and the name.
std::string memberEntry(std::string_view row, std::uint32_t record) {
    const std::string_view name = personListRowPart(row, 0), year = personListRowPart(row, 1);
    const std::string_view group = personListRowPart(row, 2), role = personListRowPart(row, 3);
    const char digit = role.empty() ? '0' : roleDigit(role.back());
    return std::string(group) + kSeparator + digit + kSeparator + std::string(year) + kSeparator +
           std::string(name) + kRecordMark + std::to_string(record);
}

std::string separatorEntry(std::string_view group) {
    return std::string(group) + kSeparator + '4' + kSeparator + "zzzz" + kSeparator + kSeparatorName +
           kRecordMark + '0';
}

}  // namespace

void HouseholdList::buildHousehold(Database& db, std::string_view key, const std::function<void()>& between) {
    clearHousehold();
    TSPstruktlista& index = db.tessls(5);
    const std::int32_t found = index.sokprefix(key);
    if (found <= 0) return;
    index.lasrad(found);
    Tspsmalurval& members = db.sokur2();
    members.tomma();
    index.markera(members);

    TSPstruktlista& persons = db.tessllista();
    for (std::int32_t row = 0; members.nasta(row);) {
        if (between) between();
        persons.lasrad(row);
        if (persons.currentRow() != row) continue;
        entries_.push_back({memberEntry(cleanRowSeparators(persons.text()), persons.ord1())});
    }
    sortEntries();
    addSeparators();
    sortEntries();
}

void HouseholdList::clearHousehold() {
    entries_.clear();
    currentRow_ = -1;
}

// Case-insensitive in Swedish order, equal texts byte-wise, so the order never depends on the
// order the members were read in.
void HouseholdList::sortEntries() {
    std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        const int order = CollCompare(a.text, b.text, CollationOrder::SwedishOrder);
        return order != 0 ? order < 0 : a.text < b.text;
    });
}

// A separator after each family that another family follows; sorting puts it after that
// family's last member.
void HouseholdList::addSeparators() {
    const std::size_t members = entries_.size();
    for (std::size_t i = 1; i < members; ++i) {
        const std::string_view previous = personListRowPart(entries_[i - 1].text, 0);
        if (previous != personListRowPart(entries_[i].text, 0))
            entries_.push_back({separatorEntry(previous), true});
    }
}

const std::string& HouseholdList::entry(std::int32_t row) const {
    static const std::string kNone;
    return row < 1 || row > size() ? kNone : entries_[static_cast<std::size_t>(row - 1)].text;
}

bool HouseholdList::isSeparator(std::int32_t row) const {
    return row >= 1 && row <= size() && entries_[static_cast<std::size_t>(row - 1)].separator;
}

std::uint32_t HouseholdList::householdCellStyle(std::int32_t row) const {
    return row == currentRow_ && row > 0 ? CellStyle{.colour = 3}.word() : CellStyle{}.word();
}

std::string HouseholdList::householdCell(std::int32_t row, int column, Language language) const {
    if (row < 1 || row > size() || column < 1 || column > 3) return {};
    if (isSeparator(row)) return column == 1 ? kSeparatorName : " ";
    const std::string& text = entry(row);
    switch (column) {
        case 1: {
            const std::string_view name = personListRowPart(text, 3);
            return std::string(name.substr(0, name.rfind(kRecordMark)));
        }
        case 2:
            return std::string(personListRowPart(text, 2));
        default: {
            const std::string_view digit = personListRowPart(text, 1);
            return digit.size() == 1 ? householdRoleWord(digit[0], language) : "";
        }
    }
}

std::int32_t HouseholdList::findHouseholdRow(std::int32_t record) const {
    const std::string wanted = std::to_string(record);
    for (std::int32_t row = 1; row <= size(); ++row)
        if (!isSeparator(row) && recordPart(entry(row)) == wanted) return row;
    return -1;
}

std::int32_t HouseholdList::householdRecordNumber(std::int32_t row) const {
    if (isSeparator(row)) return 0;
    const std::string_view digits = recordPart(entry(row));
    std::int32_t record = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), record);
    return error == std::errc() && end == digits.data() + digits.size() ? record : 0;
}

std::string householdRoleWord(char digit, Language language) {
    static constexpr Bilingual<const char*> kWords[] = {
        {"Far", "Father"}, {"Mor", "Mother"}, {"Barn", "Child"}, {"Ensam", ""}};
    if (digit < '1' || digit > '4') return {};
    return inLanguage(language, kWords[digit - '1']);
}

std::string householdCaption(std::string_view personListRow, Language language) {
    const std::string row = cleanRowSeparators(personListRow);
    std::string caption =
        inLanguage(language, "Hush\xE5ll f\xF6r ", "Household: ") + std::string(personListRowPart(row, 0));
    if (const std::string_view year = personListRowPart(row, 1); !year.empty())
        caption += inLanguage(language, ", f. ", ", b. ") + std::string(year);
    return caption;
}

std::vector<std::string> householdCopyLines(const HouseholdList& household, Language language) {
    std::vector<std::string> lines;
    for (std::int32_t row = 1; row <= household.size(); ++row) {
        std::string line = household.isSeparator(row) ? kSeparatorName
                                                      : household.householdCell(row, 1, language) + '\t' +
                                                            household.householdCell(row, 2, language) + '\t' +
                                                            household.householdCell(row, 3, language);
        if (line.size() > kCopyLineLength) line.resize(kCopyLineLength);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string householdCopyText(const HouseholdList& household, Language language) {
    std::string text;
    for (const std::string& line : householdCopyLines(household, language)) text += line + "\r\n";
    return text;
}

}  // namespace tessla
