#include "census/person.h"

#include <algorithm>

#include "base/string_utils.h"
#include "storage/word_list_format.h"

namespace tessla {

namespace {

constexpr char kBreak = '\r';

// The texts of one language; entry 0 Swedish, entry 1 English.
struct Words {
    const char* noName;
    const char* born;  // in front of the year of birth
    const char* bornIn;
    const char* absent;
    const char* deleted;
    const char* sourcePlace;
    const char* girl;
    const char* boy;
};

constexpr Bilingual<Words> kWords = {
    {"(Ingen namnuppgift)", "f. ", " i ", "Fr\xE5nvarande vid inskrivningen", "Struken i l\xE4ngden",
     "F\xF6"
     "delseort i k\xE4llan: ",
     "Flicka", "Pojke"},
    {"(No name)", "b. ", " in ", "Absent when registering", "Deleted from the roll",
     "Place of birth (original source): ", "Girl", "Boy"},
};

struct CivilStatus {
    const char* key;
    Bilingual<const char*> text;
};

constexpr CivilStatus kCivilStatus[] = {
    {"OM", {"Ogift man", "Man, single"}},
    {"GM", {"Gift man", "Man, married"}},
    {"EK", {"\xC4nka", "Widow"}},
    {"XM", {"Fr\xE5nskild man", "Man, divorced"}},
    {"SM", {"Sammanboende man", "Man, cohabiting"}},
    {"FM", {"F\xF6rlovad man", "Man, engaged"}},
    {"UM", {"Man med ok\xE4nt civilst\xE5nd", "Man, unknown status"}},
    {"EM", {"\xC4nkling", "Widower"}},
    {"FK", {"F\xF6rlovad kvinna", "Woman, engaged"}},
    {"GK", {"Gift kvinna", "Woman, married"}},
    {"OK", {"Ogift kvinna", "Woman, single"}},
    {"XK", {"Fr\xE5nskild kvinna", "Woman, divorced"}},
    {"SK", {"Sammanboende kvinna", "Woman, cohabiting"}},
    {"UK", {"Kvinna med ok\xE4nt civilst\xE5nd", "Woman, unknown status"}},
};

// The adult wordings that the child rule replaces.
constexpr std::size_t kSingleMan = 0, kSingleWoman = 10;

struct FamilyRole {
    char letter;
    Bilingual<const char*> text;
};

constexpr FamilyRole kFamilyRoles[] = {
    {'E', {"Ensam i familjen", ""}},
    {'B', {"Barn i familjen", "Child"}},
    {'F', {"Far i familjen", "Father"}},
    {'M', {"Mor i familjen", "Mother"}},
};

constexpr Bilingual<const char*> kColumnHeaders[] = {
    {"Namn", "Name"},
    {"F\xF6"
     "dd",
     "Born"},
    {"F\xF6"
     "delsef\xF6rsamling",
     "Place of birth"},
    {"Yrke/titel", "Prof./title"},
    {"Civilst\xE5nd/familjest.", "Family status"},
    {"Boendef\xF6rsamling/plats", "Place of residence"},
};

std::string trimmed(std::string_view s) {
    return std::string(trimBlanks(s));
}

void trimText(std::string& text) {
    text = trimmed(text);
}

// Windows-1252 letters: a–z, š œ ž, à–þ except ÷, and ÿ against their capitals.
char upperCase(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) return static_cast<char>(b - 0x20);
    if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 0x10);
    if (b == 0xFF) return '\x9F';
    return c;
}

char lowerCase(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) return static_cast<char>(b + 0x20);
    if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 0x10);
    if (b == 0x9F) return '\xFF';
    return c;
}

std::string mapped(std::string_view s, char (*f)(char)) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), f);
    return out;
}

std::string occupation(const Tenperson& p) {
    const std::string yrke = trimmed(p.YRKE), titel = trimmed(p.TITEL);
    if (!yrke.empty() && !titel.empty()) return yrke + " (" + titel + ")";
    return yrke.empty() ? titel : yrke;
}

// The parish of birth with the province or country inside the county's parentheses.
std::string birthPlace(const Tenperson& p) {
    const std::string& parish = p.FOFORS1890;
    std::string land = p.FOLAND1890;
    if (!land.empty() && land.front() == '[') land = land.size() < 2 ? "" : land.substr(1, land.size() - 2);
    if (!parish.empty() && !land.empty()) return parish.substr(0, parish.size() - 1) + ", " + land + ")";
    return parish.empty() ? land : parish;
}

// HEMFO with the province inside the county's parentheses.
std::string residenceParish(const Tenperson& p) {
    std::string parish = correctedResidenceParish(p);
    if (const std::size_t at = parish.find(");"); at != std::string::npos) parish.replace(at, 2, ", ") += ")";
    return parish;
}

std::string residence(const Tenperson& p) {
    return p.HEMBY.empty() ? residenceParish(p) : residenceParish(p) + "/" + p.HEMBY;
}

std::string householdOrderKey(const Tenperson& p) {
    const char digit = p.FAMSTKOD.empty() ? '0' : roleDigit(p.FAMSTKOD.back());
    return zeroPadded(p.HUSHNR, 7) + zeroPadded(p.FAMNR, 4) + digit + ";" + p.FODAR;
}

// An upper-cased role letter E, B, F or M becomes its role text; anything else stays as it is.
std::string roleText(const Tenperson& p, Language language) {
    const std::string code = mapped(p.FAMSTKOD, upperCase);
    for (const FamilyRole& role : kFamilyRoles)
        if (code.size() == 1 && code[0] == role.letter) return inLanguage(language, role.text);
    return code;
}

// NATION and TRO, then LYTE after an empty line; empty when all three are.
std::string originFaithDisability(const Tenperson& p) {
    std::string text = p.NATION.empty() || p.TRO.empty() ? p.NATION + p.TRO : p.NATION + kBreak + p.TRO;
    if (!p.LYTE.empty()) text = text.empty() ? p.LYTE : text + kBreak + kBreak + p.LYTE;
    return text;
}

std::string statusBlock(const Tenperson& p, const Words& words) {
    std::string block;
    if (!p.FRANV.empty()) block += std::string(words.absent) + kBreak;
    if (!p.STRUKEN.empty()) block += std::string(words.deleted) + kBreak;
    if (!p.OVRIGT.empty()) block += p.OVRIGT + kBreak;
    return block;
}

}  // namespace

const std::array<std::string Tenperson::*, Tenperson::kFieldCount> Tenperson::kFields = {
    &Tenperson::POSTID,     &Tenperson::HEMLEN,    &Tenperson::HEMFO,      &Tenperson::HEMBY,
    &Tenperson::HUSHNR,     &Tenperson::FAMST,     &Tenperson::FAMNR,      &Tenperson::FAMSTKOD,
    &Tenperson::FNAMN,      &Tenperson::ENAMN,     &Tenperson::TITEL,      &Tenperson::YRKE,
    &Tenperson::YRKESKOD,   &Tenperson::LYTE,      &Tenperson::FODAR,      &Tenperson::FOFORS,
    &Tenperson::FOFORS1890, &Tenperson::FOLEN1890, &Tenperson::FOLAND1890, &Tenperson::SCB1989,
    &Tenperson::GENUS,      &Tenperson::CIVST,     &Tenperson::TRO,        &Tenperson::NATION,
    &Tenperson::FRANV,      &Tenperson::STRUKEN,   &Tenperson::OVRIGT};

Tenperson loadPerson(TSPregtext& tessl, std::int32_t record) {
    tessl.laspost(record);
    if (!tessl.isOpen() || tessl.status() != 0) return {};
    tessl.tolkapost();
    return fillPerson(tessl);
}

Tenperson fillPerson(const TSPregtext& tessl) {
    Tenperson person;
    const std::vector<std::string>& texts = tessl.fields().texts;
    for (std::size_t i = 0; i + 1 < Tenperson::kFieldCount && i < texts.size(); ++i)
        person.*Tenperson::kFields[i] = texts[i];
    person.OVRIGT = tessl.longText(1);
    return person;
}

std::string personName(const Tenperson& p, Language language) {
    const std::string last = trimmed(p.ENAMN), first = trimmed(p.FNAMN);
    if (!last.empty() && !first.empty()) return last + ", " + first;
    if (last.empty() && first.empty()) return inLanguage(language, kWords).noName;
    return last + first;
}

std::string civilStatusText(const Tenperson& p, Language language) {
    const std::string key = trimmed(mapped(p.CIVST + p.GENUS, upperCase));
    for (const CivilStatus& status : kCivilStatus)
        if (key == status.key) return inLanguage(language, status.text);
    return {};
}

// Persons born after 1875 (the year compared as text, as stored) are called girl or boy when
// unmarried.
std::string civilStatusAndRole(const Tenperson& p, Language language) {
    std::string status = civilStatusText(p, language);
    if (p.FODAR > "1875") {
        if (status == inLanguage(language, kCivilStatus[kSingleWoman].text))
            status = inLanguage(language, kWords).girl;
        if (status == inLanguage(language, kCivilStatus[kSingleMan].text))
            status = inLanguage(language, kWords).boy;
    }
    const std::string role = roleText(p, language);
    if (!status.empty() && !role.empty()) return status + ", " + mapped(role, lowerCase);
    return status.empty() ? role : status;
}

char roleDigit(char roleLetter) {
    static constexpr std::string_view kOrder = "FMBE";
    const std::size_t at = kOrder.find(upperCase(roleLetter));
    return at == std::string_view::npos ? '0' : static_cast<char>('1' + at);
}

// One parish is written with the wrong name and province in the census; it is corrected wherever
// the residence is shown.
std::string correctedResidenceParish(const Tenperson& p) {
    if (p.HEMFO == "V\xE4stra Ny (\xD6rebro l\xE4n);\xD6sterg\xF6tland")
        return "Hammar (\xD6rebro l\xE4n);N\xE4rke";
    return p.HEMFO;
}

ResidencePlace residencePlace(const Tenperson& p) {
    const std::string parish = correctedResidenceParish(p);
    const std::size_t open = parish.find(" (");
    const std::size_t close = parish.find(");", open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos)
        return {trimmed(p.HEMBY), trimmed(parish), trimmed(p.HEMLEN), ""};
    return {trimmed(p.HEMBY), trimmed(parish.substr(0, open)),
            trimmed(parish.substr(open + 2, close - open - 2)), trimmed(parish.substr(close + 2))};
}

std::string householdKey(const Tenperson& p) {
    return word_list_format::householdIndexKey(p.HEMLEN, p.HEMFO, p.HUSHNR);
}

std::string buildPersonText(const Tenperson& p, Language language) {
    const Words& words = inLanguage(language, kWords);
    std::string text = "[f]" + personName(p, language) + "[\\f]" + kBreak;
    if (const std::string job = occupation(p); !job.empty()) text += job + kBreak;

    std::string birth = words.born + p.FODAR;
    if (const std::string place = birthPlace(p); !place.empty()) birth += words.bornIn + place;
    text += kBreak + birth;
    trimText(text);
    text += kBreak;

    std::string family = p.FAMST.empty() ? "" : p.FAMST + kBreak;
    if (const std::string status = civilStatusAndRole(p, language); !status.empty())
        family += status + kBreak;
    if (!family.empty()) text += kBreak + family;
    trimText(text);
    text += kBreak;

    if (const std::string origin = originFaithDisability(p); !origin.empty())
        text += kBreak + origin + kBreak;
    text += kBreak + (p.HEMBY.empty() ? "" : p.HEMBY + kBreak) + residenceParish(p) + kBreak;
    if (const std::string status = statusBlock(p, words); !status.empty()) text += kBreak + status;

    trimText(text);
    text += std::string(1, kBreak) + "[L 1]" + kBreak;
    if (!p.FOFORS.empty()) text += words.sourcePlace + p.FOFORS + kBreak;
    return text;
}

std::string personColumnHeader(int column, Language language) {
    if (column < 1 || column > 6) return {};
    return inLanguage(language, kColumnHeaders[column - 1]);
}

namespace {

// A text of the person in a language; the display columns and the sort keys are lists of them.
using PersonText = std::string (*)(const Tenperson&, Language);

std::string yearOfBirth(const Tenperson& p, Language) {
    return p.FODAR;
}
std::string birthPlaceText(const Tenperson& p, Language) {
    return birthPlace(p);
}
std::string occupationText(const Tenperson& p, Language) {
    return occupation(p);
}
std::string residenceText(const Tenperson& p, Language) {
    return residence(p);
}
std::string householdOrderText(const Tenperson& p, Language) {
    return householdOrderKey(p);
}

constexpr PersonText kColumnTexts[] = {personName,     yearOfBirth,        birthPlaceText,
                                       occupationText, civilStatusAndRole, residenceText};
constexpr PersonText kSortKeys[] = {personName, yearOfBirth, birthPlaceText, residenceText,
                                    householdOrderText};

template <std::size_t N>
std::string textOf(const PersonText (&texts)[N], const Tenperson& p, int number, Language language) {
    if (number < 1 || number > static_cast<int>(N)) return {};
    return texts[number - 1](p, language);
}

}  // namespace

std::string personColumnText(const Tenperson& p, int column, Language language) {
    return textOf(kColumnTexts, p, column, language);
}

std::string personSortKey(const Tenperson& p, int key, Language language) {
    return textOf(kSortKeys, p, key, language);
}

}  // namespace tessla
