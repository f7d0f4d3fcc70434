#pragma once

// The catalogue of the census database: every component of the data module with the settings
// it is created with. The database opener configures the components from it and the database
// builder writes the files it names, so the table exists once.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tessla {

// The two storage locations; start-up assigns them the `cdbasen` and `hdbasen` directories.
enum class Medium : std::uint8_t { CD, HD };

// How a record text base stores its records.
enum class TblobfilLZHmode : std::uint8_t { LZHpackainte = 0, LZHblockpacka = 1 };

// A record text base (`TSPregtext`).
struct TextBaseSettings {
    std::string_view name;
    std::string_view bfilnamn, bfilext;      // the text file
    std::string_view pfilnamn, pfilext;      // the pointer file
    std::string_view LZHfilnamn, LZHfilext;  // the block directory (block-packed bases only)
    std::int32_t pltyp;                      // pointer-list mode
    std::int32_t antpc;                      // number of long-text buffers
    std::int32_t pcsiz;                      // bytes per long-text buffer
    std::int32_t textmaxsiz;                 // the longest readable record
    std::int32_t maxrader;
    TblobfilLZHmode LZH;
    std::uint16_t LZHposterperblock;
    std::span<const std::string_view> labels;  // type digit + field name, in stored order
    std::int32_t hash;                         // search-memo capacity, 0 = none
    bool RO;
    Medium bfilkat, pfilkat, LZHfilkat;  // where start-up places each file
};

// A structured word list (`TSPstruktlista`). Every list has the row extension "i", the block
// directory extension "iz", `hash` 0, `keepaccent` true and no statistics column.
struct WordListSettings {
    std::string_view name;     // component name: "tessllista", "tessls1" …
    std::string_view filnamn;  // base name of its files
    int number;                // k of `tessls<k>`; 0 for the master list
    std::int32_t radmaxlen;    // usable bytes per row when the file is created
    std::int32_t maxrader;     // capacity when the file is created
    bool LZH;                  // rows in packed blocks
    std::uint16_t LZHraderperblock;
    bool finnsBLOB;       // rows carry a person-number list (.b1)
    bool finnsurval;      // the list has `vald` and `synl` selections
    bool hasParentTable;  // a parent table (.is) makes the list a tree
    Medium filkat;        // the row file (.i)
    Medium rllfilkat;     // the person-number lists (.b1); block directory and parent
                          // table are always on HD
};

inline constexpr std::string_view kWordListRowExt = "i";
inline constexpr std::string_view kWordListBlockDirExt = "iz";
inline constexpr std::string_view kPersonListExt = "b1";
inline constexpr std::string_view kParentTableExt = "is";
inline constexpr Medium kWordListLZHfilkat = Medium::HD;
inline constexpr Medium kWordListStyrfilkat = Medium::HD;

// Kind of records in a picture base.
enum class TSPbildbastyp : std::uint8_t { bbtBilder, bbtKartor };

// A picture base (`TSPbildbas`); its files go to HD.
struct PictureBaseSettings {
    std::string_view name;
    std::string_view bfilnamn, bfilext;  // picture records and image bytes
    std::string_view pfilnamn, pfilext;  // the pointer list; the name index is <pfilnamn>.bi
    std::int32_t pltyp;
    std::int32_t maxrader;
    bool finnsindex;
    TSPbildbastyp bildbastyp;
    std::int32_t hash;
};

inline constexpr std::string_view kPictureIndexExt = "bi";

const TextBaseSettings& personTextBase();  // `tessl`
const TextBaseSettings& helpTextBase();    // `textbas`

// All 42 lists: the master list `tessllista` first, then `tessls1` … `tessls41`.
std::span<const WordListSettings> wordLists();
const WordListSettings& masterList();
// `tessls<number>`, or nothing when number is outside 1 … 41.
const WordListSettings* wordList(int number);

const PictureBaseSettings& skinPictureBase();  // `sysbild`
const PictureBaseSettings& pictureBase();      // `bildbas`

// `listtabell`: slot k (1 … 40) names `tessls<k>` for k up to 38, then `tessls40` and
// `tessls41`; `tessls39` and the master list have no slot.
inline constexpr int kListSlots = 40;
// The list number in `slot`, or nothing when slot is outside 1 … 40.
std::optional<int> listNumberOfSlot(int slot);

// The lists whose rows form a tree (those with a parent table), in number order.
inline constexpr std::array<int, 6> kTreeLists = {12, 15, 20, 21, 28, 36};

}  // namespace tessla
