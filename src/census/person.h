#pragma once

// The person record `Tenperson`: one census record of `tessl` taken apart into its 27 fields, and
// every text built from it (the person text, the display columns, the print sort keys) in either
// language. Texts are Windows-1252 bytes; the person text breaks lines with a carriage return
// alone and carries coded-text markup.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/language.h"
#include "storage/coded_text.h"
#include "storage/text_base.h"

namespace tessla {

// The 27 fields in the order of the labels of `tessl`; a field the record lacks is empty.
struct Tenperson {
    std::string POSTID, HEMLEN, HEMFO, HEMBY, HUSHNR, FAMST, FAMNR, FAMSTKOD, FNAMN, ENAMN, TITEL, YRKE,
        YRKESKOD, LYTE, FODAR, FOFORS, FOFORS1890, FOLEN1890, FOLAND1890, SCB1989, GENUS, CIVST, TRO, NATION,
        FRANV, STRUKEN, OVRIGT;  // OVRIGT: the field ÖVRIGT, the multi-line remarks

    static constexpr std::size_t kFieldCount = 27;
    // Field i (0 … 26) in label order.
    static const std::array<std::string Tenperson::*, kFieldCount> kFields;
};

// The person of record `record`. A record that cannot be read gives a person with every field
// empty, never the fields of the record read before it.
Tenperson loadPerson(TSPregtext& tessl, std::int32_t record);
// The person of the record `tessl` has read and parsed last: fields 0 … 25 from its single-line
// fields by index, field 26 from its first long text.
Tenperson fillPerson(const TSPregtext& tessl);
inline void copyPerson(const Tenperson& source, Tenperson& target) {
    target = source;
}

// The person text shown in the main window and printed.
std::string buildPersonText(const Tenperson& person, Language language);

// Heading and text of display column 1 … 6 (name, born, place of birth, occupation, civil status
// and role, residence); any other column gives the empty text.
std::string personColumnHeader(int column, Language language);
std::string personColumnText(const Tenperson& person, int column, Language language);
// Print sort key 1 … 5 (name, year, place of birth, residence, household order); any other key
// gives the empty text.
std::string personSortKey(const Tenperson& person, int key, Language language);

// The text without its markup: the coded text's own stripping (each run from a "[" up to and
// including the next "]" is dropped, so a "[" that is never closed drops the rest of the text).
inline std::string stripMarkup(std::string_view text) {
    return stripCodes(text);
}

// The pieces of the texts above, for the household, copies and the command-line tool.
// Last name, ", ", first names (trimmed), or the language's placeholder when both are empty.
std::string personName(const Tenperson& person, Language language);
// The civil-status word of CIVST + GENUS, upper-cased and trimmed; empty unless that is one of
// the fourteen two-letter codes.
std::string civilStatusText(const Tenperson& person, Language language);
// Civil status with the child wording, and the family role (display column 5).
std::string civilStatusAndRole(const Tenperson& person, Language language);
// "1" father, "2" mother, "3" child, "4" alone for the role letters F, M, B, E in either case;
// "0" for any other.
char roleDigit(char roleLetter);
// HEMFO as the person text shows it: as stored, but for the one parish the census names wrongly.
std::string correctedResidenceParish(const Tenperson& person);
// The levels of the residence, smallest first, from HEMBY and the corrected HEMFO
// ("Hammar (Örebro län);Närke"): village, parish, county and province, each trimmed. A HEMFO
// without its county in parentheses and a province after them is the parish whole, with HEMLEN
// as the county.
struct ResidencePlace {
    std::string village, parish, county, province;
};
ResidencePlace residencePlace(const Tenperson& person);
// HEMLEN;HEMFO;HUSHNR as stored: the key of the household index `tessls5`.
std::string householdKey(const Tenperson& person);

}  // namespace tessla
