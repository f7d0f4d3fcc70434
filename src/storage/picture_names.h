#pragma once

// Every skin picture the program asks the picture base `sysbild` for, grouped by the window that
// uses it. The code everywhere names pictures through these constants, never by literal text, and
// the skin painter draws exactly the pictures of allPictureNames(). Names are at most 20
// characters. Button faces come in pairs: the normal picture and, with the suffix "n", the pressed
// one; English variants carry the suffix "e" before it.
//
// Logical sizes (the pictures are stored at twice these pixels) are given for the pictures whose
// size the window layouts rely on.

#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>

namespace tessla::picture {

// A picture's size in logical pixels.
struct LogicalSize {
    int width;
    int height;
};

// ---- main window -----------------------------------------------------------------------------

// Backgrounds of the main panel and the record view (Swedish, English). The record view paints
// their top-left piece, so that corner is plain paper.
inline constexpr std::string_view tslmain = "tslmain";
inline constexpr std::string_view tslmaine = "tslmaine";

// Large buttons on the bottom row (`sokknapp`, `sokbarnknapp`, `statknapp`, `skrivknapp`,
// `omknapp`, `avslutaknapp` and their English variants).
inline constexpr LogicalSize largeButtonSize{94, 40};
inline constexpr std::string_view sokknapp = "sokknapp";
inline constexpr std::string_view sokknappn = "sokknappn";
inline constexpr std::string_view sokknappe = "sokknappe";
inline constexpr std::string_view sokknappen = "sokknappen";
inline constexpr std::string_view sokbarnknapp = "sokbarnknapp";
inline constexpr std::string_view sokbarnknappn = "sokbarnknappn";
inline constexpr std::string_view sokbarnknappe = "sokbarnknappe";
inline constexpr std::string_view sokbarnknappen = "sokbarnknappen";
inline constexpr std::string_view statknapp = "statknapp";
inline constexpr std::string_view statknappn = "statknappn";
inline constexpr std::string_view skrivknapp = "skrivknapp";
inline constexpr std::string_view skrivknappn = "skrivknappn";
inline constexpr std::string_view skrivknappe = "skrivknappe";
inline constexpr std::string_view skrivknappen = "skrivknappen";
inline constexpr std::string_view omknapp = "omknapp";
inline constexpr std::string_view omknappn = "omknappn";
inline constexpr std::string_view omknappe = "omknappe";
inline constexpr std::string_view omknappen = "omknappen";
inline constexpr std::string_view avslutaknapp = "avslutaknapp";
inline constexpr std::string_view avslutaknappn = "avslutaknappn";
inline constexpr std::string_view avslutaknappe = "avslutaknappe";
inline constexpr std::string_view avslutaknappen = "avslutaknappen";

// Small square buttons above the lists and the record: deselect, copy record, print record, copy
// list, copy household.
inline constexpr LogicalSize smallButtonSize{24, 24};
inline constexpr std::string_view postejknapp = "postejknapp";
inline constexpr std::string_view postejknappn = "postejknappn";
inline constexpr std::string_view kopipostknapp = "kopipostknapp";
inline constexpr std::string_view kopipostknappn = "kopipostknappn";
inline constexpr std::string_view postskrivknapp = "postskrivknapp";
inline constexpr std::string_view postskrivknappn = "postskrivknappn";
inline constexpr std::string_view kopilistaknapp = "kopilistaknapp";
inline constexpr std::string_view kopilistaknappn = "kopilistaknappn";
inline constexpr std::string_view kopihushknapp = "kopihushknapp";
inline constexpr std::string_view kopihushknappn = "kopihushknappn";
// The export buttons beside the copy buttons: the household as a GEDCOM file, the list as a CSV
// file, and the citation of the shown record copied.
inline constexpr std::string_view gedcomknapp = "gedcomknapp";
inline constexpr std::string_view gedcomknappn = "gedcomknappn";
inline constexpr std::string_view csvknapp = "csvknapp";
inline constexpr std::string_view csvknappn = "csvknappn";
inline constexpr std::string_view kallknapp = "kallknapp";
inline constexpr std::string_view kallknappn = "kallknappn";

// The clear-list button, with its caption ("Töm" / "Clear"); the search list picker uses it too.
inline constexpr LogicalSize clearButtonSize{56, 24};
inline constexpr std::string_view rensaknapp = "rensaknapp";
inline constexpr std::string_view rensaknappn = "rensaknappn";
inline constexpr std::string_view rensaknappe = "rensaknappe";
inline constexpr std::string_view rensaknappen = "rensaknappen";

// The help toggle "?" (normal, pressed); also the help buttons of the other windows.
inline constexpr LogicalSize helpButtonSize{24, 24};
inline constexpr std::string_view hjelpl01 = "hjelpl01";
inline constexpr std::string_view hjelpl02 = "hjelpl02";

// Language flags (normal, pressed) of `sveknapp` and `usknapp`.
inline constexpr LogicalSize flagSize{30, 20};
inline constexpr std::string_view flaggasv = "flaggasv";
inline constexpr std::string_view flaggasvn = "flaggasvn";
inline constexpr std::string_view flaggaen = "flaggaen";
inline constexpr std::string_view flaggaenn = "flaggaenn";

// Publisher logos (normal, pressed) of `stmknapp` and `arkivoknapp`.
inline constexpr LogicalSize logoSize{64, 40};
inline constexpr std::string_view stammalogo = "stammalogo";
inline constexpr std::string_view stammalogon = "stammalogon";
inline constexpr std::string_view arkivologo = "arkivologo";
inline constexpr std::string_view arkivologon = "arkivologon";

// ---- search windows, search list picker, statistics --------------------------------------------

inline constexpr LogicalSize dialogBackgroundSize{1024, 768};
inline constexpr std::string_view tslsok = "tslsok";
inline constexpr std::string_view tslsokbarn = "tslsokbarn";
inline constexpr std::string_view tslsoklista = "tslsoklista";
inline constexpr std::string_view tslstat = "tslstat";

// The type button ("abc", typing a pattern) and the list button (picking from the word list) beside
// each search field; both are toggles, so the pressed picture shows the chosen mode.
inline constexpr LogicalSize fieldButtonSize{26, 22};
inline constexpr std::string_view abcknapp = "abcknapp";
inline constexpr std::string_view abcknappn = "abcknappn";
inline constexpr std::string_view listknapp = "listknapp";
inline constexpr std::string_view listknappn = "listknappn";

// The mark of a picked row in the picker's table.
inline constexpr LogicalSize tableMarkSize{12, 12};
inline constexpr std::string_view tabellboll = "tabellboll";

// ---- print window ------------------------------------------------------------------------------

inline constexpr std::string_view tslprint = "tslprint";
inline constexpr std::string_view tslprinte = "tslprinte";

// Start printing and printer set-up, Swedish and English (large button size).
inline constexpr std::string_view startknapp = "startknapp";
inline constexpr std::string_view startknappn = "startknappn";
inline constexpr std::string_view startknappe = "startknappe";
inline constexpr std::string_view startknappen = "startknappen";
inline constexpr std::string_view staellinknapp = "staellinknapp";
inline constexpr std::string_view staellinknappn = "staellinknappn";
inline constexpr std::string_view staellinknappe = "staellinknappe";
inline constexpr std::string_view staellinknappen = "staellinknappen";

// ---- text window -------------------------------------------------------------------------------

inline constexpr std::string_view tslhelp = "tslhelp";

// The close button (normal, pressed), small button size.
inline constexpr std::string_view stangknapp = "stangknapp";
inline constexpr std::string_view stangknappn = "stangknappn";

// ---- shaped button -----------------------------------------------------------------------------

// A round button face of kind 10: the picture carries its outline region, so a tiler paints it
// through the circle only.
inline constexpr LogicalSize roundButtonSize{32, 32};
inline constexpr std::string_view rundknapp = "rundknapp";

// Every name above, once.
inline constexpr std::string_view allNames[] = {
    tslmain,         tslmaine,        sokknapp,      sokknappn,      sokknappe,      sokknappen,
    sokbarnknapp,    sokbarnknappn,   sokbarnknappe, sokbarnknappen, statknapp,      statknappn,
    skrivknapp,      skrivknappn,     skrivknappe,   skrivknappen,   omknapp,        omknappn,
    omknappe,        omknappen,       avslutaknapp,  avslutaknappn,  avslutaknappe,  avslutaknappen,
    postejknapp,     postejknappn,    kopipostknapp, kopipostknappn, postskrivknapp, postskrivknappn,
    kopilistaknapp,  kopilistaknappn, kopihushknapp, kopihushknappn, rensaknapp,     rensaknappn,
    rensaknappe,     rensaknappen,    hjelpl01,      hjelpl02,       flaggasv,       flaggasvn,
    flaggaen,        flaggaenn,       stammalogo,    stammalogon,    arkivologo,     arkivologon,
    tslsok,          tslsokbarn,      tslsoklista,   tslstat,        abcknapp,       abcknappn,
    listknapp,       listknappn,      tabellboll,    tslprint,       tslprinte,      startknapp,
    startknappn,     startknappe,     startknappen,  staellinknapp,  staellinknappn, staellinknappe,
    staellinknappen, tslhelp,         stangknapp,    stangknappn,    rundknapp,      gedcomknapp,
    gedcomknappn,    csvknapp,        csvknappn,     kallknapp,      kallknappn,
};

namespace detail {
constexpr bool namesFit() {
    for (std::size_t i = 0; i < std::size(allNames); ++i) {
        if (allNames[i].empty() || allNames[i].size() > 20) return false;
        for (std::size_t j = 0; j < i; ++j) {
            if (allNames[i] == allNames[j]) return false;
        }
    }
    return true;
}
}  // namespace detail
static_assert(detail::namesFit(), "picture names are unique and 1 to 20 characters long");

}  // namespace tessla::picture

namespace tessla {

// Every picture name the program asks for.
inline std::span<const std::string_view> allPictureNames() {
    return picture::allNames;
}

}  // namespace tessla
