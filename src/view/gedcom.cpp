#include "view/gedcom.h"

#include <algorithm>
#include <map>

#include "base/cp1252.h"
#include "base/string_utils.h"
#include "base/version.h"
#include "view/help_topic.h"
#include "view/print_collection.h"

namespace tessla {

namespace {

constexpr std::size_t kAny = std::string::npos;
// The standard's sizes of the values written.
constexpr std::size_t kNameSize = 120, kPlaceSize = 120, kOccupationSize = 90, kDateSize = 35,
                      kPageSize = 248, kSubmitterSize = 60;
constexpr std::string_view kSource = "@S1@", kSubmitter = "@U1@";

std::string trimmed(std::string_view text) {
    return std::string(trimBlanks(text));
}

bool isYear(std::string_view text) {
    return !text.empty() && text.size() <= 4 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The length in bytes of the longest start of the UTF-8 `text` that, with every "@" doubled,
// holds at most `chars` characters and `bytes` bytes and ends on a character's boundary.
std::size_t fittingLength(std::string_view text, std::size_t chars, std::size_t bytes) {
    std::size_t at = 0, usedChars = 0, usedBytes = 0;
    while (at < text.size()) {
        std::size_t length = 1;
        while (at + length < text.size() && (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
            ++length;
        const std::size_t width = text[at] == '@' ? 2 : 1;
        if (usedChars + width > chars || usedBytes + length * width > bytes) break;
        usedChars += width;
        usedBytes += length * width;
        at += length;
    }
    return at;
}

std::string atsDoubled(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        out += c;
        if (c == '@') out += '@';
    }
    return out;
}

// A split of a long value into CONC pieces never falls beside a space, which readers may drop;
// `cut` moves back to a place between two other characters when there is one.
std::size_t awayFromSpaces(std::string_view text, std::size_t cut) {
    for (std::size_t at = cut; at > 0; --at) {
        const bool continuation = (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
        if (!continuation && text[at] != ' ' && text[at - 1] != ' ') return at;
    }
    return cut;
}

std::vector<std::string_view> textLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != '\r' && text[at] != '\n') continue;
        lines.push_back(text.substr(start, at - start));
        if (at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n') ++at;
        start = at + 1;
    }
    while (!lines.empty() && trimBlanks(lines.back()).empty()) lines.pop_back();
    return lines;
}

// A name or place level: a "/" would end a surname and a "," begin another place level.
std::string withoutSeparator(std::string_view text, char separator, char replacement) {
    std::string out = trimmed(text);
    std::replace(out.begin(), out.end(), separator, replacement);
    return out;
}

std::string placeText(const std::vector<std::string>& levels) {
    std::string place;
    for (const std::string& level : levels) {
        const std::string text = withoutSeparator(level, ',', ';');
        if (text.empty()) continue;
        if (!place.empty()) place += ", ";
        place += text;
    }
    return place;
}

std::string withoutParentheses(std::string_view parish) {
    return trimmed(parish.substr(0, parish.find(" (")));
}

std::string countryName(Language language) {
    return inLanguage(language, "Sverige", "Sweden");
}

// Parish, county and the country; for a person born abroad (no county of birth) the country
// the roll names, without its brackets.
std::string birthPlace(const Tenperson& person, Language language) {
    const std::string parish = withoutParentheses(person.FOFORS1890);
    if (!trimBlanks(person.FOLEN1890).empty())
        return placeText({parish, person.FOLEN1890, countryName(language)});
    std::string land = trimmed(person.FOLAND1890);
    if (land.size() >= 2 && land.front() == '[' && land.back() == ']') land = land.substr(1, land.size() - 2);
    return placeText({parish, land});
}

std::string sexOf(const Tenperson& person) {
    const std::string genus = lowerAscii(trimmed(person.GENUS));
    if (genus == "k") return "F";
    if (genus == "m") return "M";
    return "U";
}

bool isFosterChild(const Tenperson& person) {
    const std::string status = lowerAscii(trimmed(person.FAMST));
    return status == "fosterson" || status == "fosterdotter";
}

char roleOf(const Tenperson& person) {
    const std::string role = trimmed(person.FAMSTKOD);
    return role.empty() ? '0' : roleDigit(role.back());
}

std::string headerDate(const CalendarDate& date) {
    static constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                              "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const int month = std::clamp(date.month, 1, 12);
    return std::to_string(date.day) + " " + kMonths[month - 1] + " " + std::to_string(date.year);
}

// The lines of a file; values go in Windows-1252 and come out UTF-8 with every "@" doubled,
// shortened to their sizes and to the line length.
class GedcomLines {
  public:
    // A line with a value cut to `size` characters.
    void value(int level, std::string_view tag, std::string_view cp1252, std::size_t size = kAny) {
        const std::string text = cp1252ToUtf8(cp1252).str();
        const std::string start = prefix(level, tag);
        add(start, text.substr(0, fittingLength(text, size, room(start))));
    }
    // A line whose value is a cross-reference or a fixed word, written as it stands.
    void plain(int level, std::string_view tag, std::string_view word = {}) {
        out_ += prefix(level, tag) + std::string(word);
        trimEnd();
        out_ += "\r\n";
    }
    // A text of several lines and any length: CONT at each line break, CONC where a line is
    // longer than a line of the file holds.
    void text(int level, std::string_view tag, std::string_view cp1252) {
        const std::vector<std::string_view> lines = textLines(cp1252);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string line = cp1252ToUtf8(lines[i]).str();
            std::string start = i == 0 ? prefix(level, tag) : prefix(level + 1, "CONT");
            std::string_view rest = line;
            while (true) {
                std::size_t cut = fittingLength(rest, kAny, room(start));
                if (cut < rest.size()) cut = awayFromSpaces(rest, cut);
                add(start, rest.substr(0, cut));
                rest.remove_prefix(cut);
                if (rest.empty()) break;
                start = prefix(level + 1, "CONC");
            }
        }
    }
    std::string& text() { return out_; }

  private:
    static std::string prefix(int level, std::string_view tag) {
        return std::to_string(level) + " " + std::string(tag) + " ";
    }
    static std::size_t room(const std::string& start) {
        return start.size() < kGedcomLineLength ? kGedcomLineLength - start.size() : 0;
    }
    void add(const std::string& start, std::string_view utf8) {
        out_ += start + atsDoubled(utf8);
        trimEnd();
        out_ += "\r\n";
    }
    // A tag without a value ends at the tag.
    void trimEnd() {
        if (!out_.empty() && out_.back() == ' ') out_.pop_back();
    }

    std::string out_;
};

struct Family {
    std::optional<std::size_t> husband, wife;
    std::vector<std::size_t> children;
};

// The families of the household: the persons between two separators, F the husband, M the wife
// and B the children; a family without any of them is none.
std::vector<Family> familiesOf(const std::vector<const Tenperson*>& persons,
                               const std::vector<std::size_t>& groupOf) {
    std::map<std::size_t, Family> groups;
    for (std::size_t i = 0; i < persons.size(); ++i) {
        const char role = roleOf(*persons[i]);
        if (role != '1' && role != '2' && role != '3') continue;
        Family& family = groups[groupOf[i]];
        if (role == '1' && !family.husband) family.husband = i;
        if (role == '2' && !family.wife) family.wife = i;
        if (role == '3') family.children.push_back(i);
    }
    std::vector<Family> families;
    for (auto& [group, family] : groups)
        if (family.husband || family.wife || !family.children.empty()) families.push_back(std::move(family));
    return families;
}

std::string indi(std::size_t person) {
    return "@I" + std::to_string(person + 1) + "@";
}
std::string fam(std::size_t family) {
    return "@F" + std::to_string(family + 1) + "@";
}

void writeHeader(GedcomLines& out, const GedcomOrigin& origin) {
    out.plain(0, "HEAD");
    out.plain(1, "SOUR", "TESSLA");
    out.value(2, "VERS", origin.version, 15);
    out.plain(2, "NAME", "Tessla");
    out.plain(1, "DEST", "ANY");
    out.plain(1, "DATE", headerDate(origin.written));
    out.plain(1, "SUBM", kSubmitter);
    out.plain(1, "GEDC");
    out.plain(2, "VERS", "5.5.1");
    out.plain(2, "FORM", "LINEAGE-LINKED");
    out.plain(1, "CHAR", "UTF-8");
    out.plain(1, "LANG", inLanguage(origin.language, "Swedish", "English"));
    out.plain(0, std::string(kSubmitter) + " SUBM");
    out.value(1, "NAME", "Tessla", kSubmitterSize);
    out.plain(0, std::string(kSource) + " SOUR");
    out.text(1, "TITL", censusTitle(origin.language));
    out.text(1, "PUBL", programEdition(origin.language, origin.version, origin.databaseDate));
}

void writePerson(GedcomLines& out, const Tenperson& person, std::size_t number,
                 const std::vector<std::pair<std::size_t, bool>>& familiesAsChild,
                 const std::vector<std::size_t>& familiesAsSpouse, Language language) {
    out.plain(0, indi(number) + " INDI");
    const std::string first = withoutSeparator(person.FNAMN, '/', ' ');
    const std::string last = withoutSeparator(person.ENAMN, '/', ' ');
    out.value(1, "NAME", (first.empty() ? "" : first + " ") + "/" + last + "/", kNameSize);
    if (!first.empty()) out.value(2, "GIVN", first, kNameSize);
    if (!last.empty()) out.value(2, "SURN", last, kNameSize);
    out.plain(1, "SEX", sexOf(person));

    const std::string date = gedcomBirthDate(person.FODAR), born = birthPlace(person, language);
    if (!date.empty() || !born.empty()) {
        out.plain(1, "BIRT");
        if (!date.empty()) out.value(2, "DATE", date, kDateSize);
        if (!born.empty()) out.value(2, "PLAC", born, kPlaceSize);
    }
    if (const std::string occupation = personColumnText(person, 4, language); !occupation.empty())
        out.value(1, "OCCU", occupation, kOccupationSize);

    const ResidencePlace home = residencePlace(person);
    out.plain(1, "CENS");
    out.plain(2, "DATE", "1890");
    if (const std::string place = placeText({home.village, home.parish, home.county, home.province});
        !place.empty())
        out.value(2, "PLAC", place, kPlaceSize);
    out.plain(2, "SOUR", kSource);
    out.value(3, "PAGE", censusPage(person, language), kPageSize);
    if (!textLines(person.OVRIGT).empty()) out.text(1, "NOTE", person.OVRIGT);

    for (const std::size_t family : familiesAsSpouse) out.plain(1, "FAMS", fam(family));
    for (const auto& [family, foster] : familiesAsChild) {
        out.plain(1, "FAMC", fam(family));
        if (foster) out.plain(2, "PEDI", "foster");
    }
}

void writeFamily(GedcomLines& out, const Family& family, std::size_t number) {
    out.plain(0, fam(number) + " FAM");
    if (family.husband) out.plain(1, "HUSB", indi(*family.husband));
    if (family.wife) out.plain(1, "WIFE", indi(*family.wife));
    for (const std::size_t child : family.children) out.plain(1, "CHIL", indi(child));
}

}  // namespace

std::string censusTitle(Language language) {
    return inLanguage(language, "Folkr\xE4kningen 1890", "Census of Sweden 1890");
}

std::string censusPage(const Tenperson& person, Language language) {
    const ResidencePlace place = residencePlace(person);
    std::vector<std::string> parts;
    for (const std::string& part : {place.county, place.parish})
        if (!part.empty()) parts.push_back(part);
    if (const std::string household = trimmed(person.HUSHNR); !household.empty())
        parts.push_back(inLanguage(language, "hush\xE5ll ", "household ") + household);
    parts.push_back("POSTID " + trimmed(person.POSTID));
    std::string page;
    for (const std::string& part : parts) page += (page.empty() ? "" : ", ") + part;
    return page;
}

std::string gedcomBirthDate(std::string_view year) {
    const std::string text = trimmed(year);
    if (text.empty()) return {};
    if (isYear(text)) return text;
    const std::string lower = lowerAscii(text);
    for (const std::string_view about : {"omkr.", "omkr", "ca.", "ca", "abt.", "abt"}) {
        if (!lower.starts_with(about)) continue;
        const std::string rest = trimmed(std::string_view(text).substr(about.size()));
        if (isYear(rest)) return "ABT " + rest;
    }
    std::string phrase = text;
    std::erase_if(phrase, [](char c) { return c == '(' || c == ')'; });
    return "(" + phrase.substr(0, kDateSize - 2) + ")";
}

std::string householdGedcom(const std::vector<std::optional<Tenperson>>& entries,
                            const GedcomOrigin& origin) {
    std::vector<const Tenperson*> persons;
    std::vector<std::size_t> groupOf;
    std::size_t group = 0;
    for (const std::optional<Tenperson>& entry : entries) {
        if (!entry) {
            ++group;
            continue;
        }
        persons.push_back(&*entry);
        groupOf.push_back(group);
    }
    const std::vector<Family> families = familiesOf(persons, groupOf);
    std::vector<std::vector<std::size_t>> asSpouse(persons.size());
    std::vector<std::vector<std::pair<std::size_t, bool>>> asChild(persons.size());
    for (std::size_t f = 0; f < families.size(); ++f) {
        for (const auto& spouse : {families[f].husband, families[f].wife})
            if (spouse) asSpouse[*spouse].push_back(f);
        for (const std::size_t child : families[f].children)
            asChild[child].emplace_back(f, isFosterChild(*persons[child]));
    }

    GedcomLines out;
    writeHeader(out, origin);
    for (std::size_t i = 0; i < persons.size(); ++i)
        writePerson(out, *persons[i], i, asChild[i], asSpouse[i], origin.language);
    for (std::size_t f = 0; f < families.size(); ++f) writeFamily(out, families[f], f);
    out.plain(0, "TRLR");
    return std::move(out.text());
}

GedcomOrigin gedcomOrigin(Database& db, Language language) {
    return {language, std::string(kProgramVersion), fileDate(databaseDateFile(db)), today()};
}

std::string householdGedcom(Database& db, const HouseholdList& household, Language language) {
    const CollectedPersons members = collectHousehold(db, household, [] { return true; });
    return householdGedcom(members.entries, gedcomOrigin(db, language));
}

}  // namespace tessla
