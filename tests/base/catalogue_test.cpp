#include "base/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tessla {
namespace {

TEST(CatalogueTest, HoldsTheMasterListAndFortyOneWordLists) {
    const auto lists = wordLists();
    ASSERT_EQ(lists.size(), 42u);
    EXPECT_EQ(masterList().name, "tessllista");
    EXPECT_EQ(masterList().filnamn, "tessl");
    EXPECT_TRUE(masterList().LZH);
    EXPECT_FALSE(masterList().finnsBLOB);
    EXPECT_EQ(masterList().maxrader, 6000000);
    std::set<std::string_view> names;
    for (int k = 1; k <= 41; ++k) {
        const WordListSettings* list = wordList(k);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->number, k);
        EXPECT_EQ(list->name, "tessls" + std::to_string(k));
        EXPECT_EQ(list->filnamn, list->name);
        EXPECT_EQ(list->maxrader, 200000);
        EXPECT_TRUE(list->finnsBLOB);
        names.insert(list->name);
    }
    EXPECT_EQ(names.size(), 41u);
    EXPECT_EQ(wordList(0), nullptr);
    EXPECT_EQ(wordList(42), nullptr);
}

TEST(CatalogueTest, SpotChecksOfTheListTable) {
    struct Case {
        int number;
        std::int32_t radmaxlen;
        std::uint16_t perBlock;
        bool hasParentTable;
        Medium rows, persons;
    } cases[] = {
        {1, 75, 100, false, Medium::CD, Medium::CD},  {4, 100, 30, false, Medium::HD, Medium::HD},
        {7, 100, 30, false, Medium::HD, Medium::CD},  {12, 200, 100, true, Medium::CD, Medium::CD},
        {21, 150, 100, true, Medium::HD, Medium::HD}, {23, 100, 75, false, Medium::HD, Medium::CD},
        {28, 150, 150, true, Medium::HD, Medium::HD}, {39, 20, 100, false, Medium::HD, Medium::HD},
    };
    for (const auto& c : cases) {
        const WordListSettings& list = *wordList(c.number);
        EXPECT_EQ(list.radmaxlen, c.radmaxlen) << c.number;
        EXPECT_EQ(list.LZHraderperblock, c.perBlock) << c.number;
        EXPECT_EQ(list.hasParentTable, c.hasParentTable) << c.number;
        EXPECT_EQ(list.filkat, c.rows) << c.number;
        EXPECT_EQ(list.rllfilkat, c.persons) << c.number;
    }
    // Only the household index is packed among the numbered lists, and it alone has no selections.
    for (int k = 1; k <= 41; ++k) {
        EXPECT_EQ(wordList(k)->LZH, k == 5) << k;
        EXPECT_EQ(wordList(k)->finnsurval, k != 5) << k;
    }
    for (const int k : kTreeLists) EXPECT_TRUE(wordList(k)->hasParentTable) << k;
}

TEST(CatalogueTest, ListTableSkipsList39) {
    EXPECT_FALSE(listNumberOfSlot(0).has_value());
    EXPECT_EQ(listNumberOfSlot(1), 1);
    EXPECT_EQ(listNumberOfSlot(38), 38);
    EXPECT_EQ(listNumberOfSlot(39), 40);
    EXPECT_EQ(listNumberOfSlot(40), 41);
    EXPECT_FALSE(listNumberOfSlot(41).has_value());
}

TEST(CatalogueTest, TextAndPictureBases) {
    const TextBaseSettings& persons = personTextBase();
    EXPECT_EQ(persons.bfilnamn, "tessl");
    EXPECT_EQ(persons.labels.size(), 27u);
    EXPECT_EQ(persons.labels.front(), "1POSTID");
    EXPECT_EQ(persons.labels[8], "1FNAMN");
    EXPECT_EQ(persons.labels.back(), "5\xD6VRIGT");
    EXPECT_EQ(persons.textmaxsiz, 25000);
    EXPECT_EQ(persons.LZH, TblobfilLZHmode::LZHblockpacka);
    EXPECT_EQ(persons.LZHposterperblock, 100);
    EXPECT_EQ(persons.bfilkat, Medium::CD);
    EXPECT_EQ(persons.pfilkat, Medium::HD);

    const TextBaseSettings& help = helpTextBase();
    EXPECT_EQ(help.bfilnamn, "tessltext");
    EXPECT_EQ(help.labels.size(), 3u);
    EXPECT_EQ(help.LZH, TblobfilLZHmode::LZHpackainte);
    EXPECT_TRUE(help.RO);
    EXPECT_EQ(help.pcsiz, 20000);

    EXPECT_EQ(skinPictureBase().bfilnamn, "sybild");
    EXPECT_EQ(skinPictureBase().hash, 50);
    EXPECT_EQ(pictureBase().pfilnamn, "aslbild");
    EXPECT_EQ(pictureBase().hash, 0);
}

}  // namespace
}  // namespace tessla
