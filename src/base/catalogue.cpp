#include "base/catalogue.h"

namespace tessla {
namespace {

constexpr std::string_view kPersonLabels[] = {
    "1POSTID",   "1HEMLEN", "1HEMFO",      "1HEMBY",     "1HUSHNR",     "1FAMST",     "1FAMNR",
    "1FAMSTKOD", "1FNAMN",  "1ENAMN",      "1TITEL",     "1YRKE",       "1YRKESKOD",  "1LYTE",
    "1FODAR",    "1FOFORS", "1FOFORS1890", "1FOLEN1890", "1FOLAND1890", "1SCB1989",   "1GENUS",
    "1CIVST",    "1TRO",    "1NATION",     "1FRANV",     "1STRUKEN",    "5\xD6VRIGT",  // Ö in Windows-1252
};
constexpr std::string_view kHelpLabels[] = {"1TEXTKOD", "1RUBRIK", "5TEXT"};

constexpr TextBaseSettings kPersonTextBase{"tessl",
                                           "tessl",
                                           "b",
                                           "tessl",
                                           "p",
                                           "tessl",
                                           "pz",
                                           2,
                                           1,
                                           10000,
                                           25000,
                                           6000000,
                                           TblobfilLZHmode::LZHblockpacka,
                                           100,
                                           kPersonLabels,
                                           0,
                                           false,
                                           Medium::CD,
                                           Medium::HD,
                                           Medium::HD};

constexpr TextBaseSettings kHelpTextBase{"textbas",
                                         "tessltext",
                                         "b",
                                         "tessltext",
                                         "p",
                                         "tessltext",
                                         "pz",
                                         2,
                                         1,
                                         20000,
                                         20000,
                                         20000,
                                         TblobfilLZHmode::LZHpackainte,
                                         200,
                                         kHelpLabels,
                                         0,
                                         true,
                                         Medium::HD,
                                         Medium::HD,
                                         Medium::HD};

constexpr Medium CD = Medium::CD;
constexpr Medium HD = Medium::HD;

// One row of the list catalogue; the names follow from the number.
struct ListRow {
    int number;
    std::int32_t radmaxlen;
    std::uint16_t perBlock;
    bool hasParentTable;
    Medium rows, persons;
};

constexpr ListRow kListRows[] = {
    {1, 75, 100, false, CD, CD},   {2, 80, 100, false, CD, CD},   {3, 100, 100, false, CD, CD},
    {4, 100, 30, false, HD, HD},   {5, 100, 200, false, HD, HD},  {6, 100, 100, false, CD, CD},
    {7, 100, 30, false, HD, CD},   {8, 110, 100, false, HD, CD},  {9, 100, 100, false, HD, CD},
    {10, 100, 100, false, HD, CD}, {11, 100, 100, false, HD, CD}, {12, 200, 100, true, CD, CD},
    {13, 100, 100, false, HD, CD}, {14, 100, 100, false, HD, CD}, {15, 200, 100, true, CD, CD},
    {16, 100, 100, false, HD, CD}, {17, 100, 100, false, HD, CD}, {18, 110, 100, false, HD, CD},
    {19, 100, 100, false, HD, CD}, {20, 150, 100, true, CD, CD},  {21, 150, 100, true, HD, HD},
    {22, 75, 100, false, CD, CD},  {23, 100, 75, false, HD, CD},  {24, 100, 100, false, HD, CD},
    {25, 110, 100, false, HD, CD}, {26, 100, 100, false, HD, CD}, {27, 100, 100, false, HD, CD},
    {28, 150, 150, true, HD, HD},  {29, 100, 100, false, CD, CD}, {30, 75, 100, false, CD, CD},
    {31, 75, 100, false, HD, CD},  {32, 100, 100, false, HD, CD}, {33, 110, 100, false, HD, CD},
    {34, 100, 100, false, HD, CD}, {35, 100, 100, false, HD, CD}, {36, 150, 100, true, HD, HD},
    {37, 100, 100, false, CD, CD}, {38, 80, 100, false, CD, CD},  {39, 20, 100, false, HD, HD},
    {40, 150, 100, false, HD, HD}, {41, 150, 100, false, HD, HD},
};
static_assert(std::size(kListRows) == 41);

constexpr std::string_view kListNames[] = {
    "tessls1",  "tessls2",  "tessls3",  "tessls4",  "tessls5",  "tessls6",  "tessls7",
    "tessls8",  "tessls9",  "tessls10", "tessls11", "tessls12", "tessls13", "tessls14",
    "tessls15", "tessls16", "tessls17", "tessls18", "tessls19", "tessls20", "tessls21",
    "tessls22", "tessls23", "tessls24", "tessls25", "tessls26", "tessls27", "tessls28",
    "tessls29", "tessls30", "tessls31", "tessls32", "tessls33", "tessls34", "tessls35",
    "tessls36", "tessls37", "tessls38", "tessls39", "tessls40", "tessls41",
};

constexpr WordListSettings wordListOf(const ListRow& row) {
    // tessls5, the household index, is the one packed list besides the master list and has
    // no selections.
    const bool packed = row.number == 5;
    return {kListNames[row.number - 1],
            kListNames[row.number - 1],
            row.number,
            row.radmaxlen,
            200000,
            packed,
            row.perBlock,
            true,
            !packed,
            row.hasParentTable,
            row.rows,
            row.persons};
}

constexpr std::array<WordListSettings, 42> buildWordLists() {
    std::array<WordListSettings, 42> lists{};
    lists[0] = {"tessllista", "tessl", 0, 200, 6000000, true, 200, false, true, false, HD, HD};
    for (std::size_t i = 0; i < std::size(kListRows); ++i) lists[i + 1] = wordListOf(kListRows[i]);
    return lists;
}

constexpr std::array<WordListSettings, 42> kWordLists = buildWordLists();

constexpr PictureBaseSettings kSkinPictureBase{
    "sysbild", "sybild", "b", "sybild", "p", 2, 20000, true, TSPbildbastyp::bbtBilder, 50};
constexpr PictureBaseSettings kPictureBase{
    "bildbas", "aslbild", "b", "aslbild", "p", 2, 20000, true, TSPbildbastyp::bbtBilder, 0};

}  // namespace

const TextBaseSettings& personTextBase() {
    return kPersonTextBase;
}
const TextBaseSettings& helpTextBase() {
    return kHelpTextBase;
}

std::span<const WordListSettings> wordLists() {
    return kWordLists;
}
const WordListSettings& masterList() {
    return kWordLists[0];
}

const WordListSettings* wordList(int number) {
    if (number < 1 || number > 41) return nullptr;
    return &kWordLists[static_cast<std::size_t>(number)];
}

const PictureBaseSettings& skinPictureBase() {
    return kSkinPictureBase;
}
const PictureBaseSettings& pictureBase() {
    return kPictureBase;
}

std::optional<int> listNumberOfSlot(int slot) {
    if (slot < 1 || slot > kListSlots) return std::nullopt;
    return slot <= 38 ? slot : slot + 1;
}

}  // namespace tessla
