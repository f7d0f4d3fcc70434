#include "search/spelling_key.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "test_text.h"

namespace tessla {
namespace {

using test::w;

struct KeyCase {
    const char* name;
    const char* key;
};

// Each rule seen at work on a name, the key written out.
TEST(SpellingKey, RulesGiveTheseKeys) {
    const std::vector<KeyCase> cases = {
        {"Carl", "KARL"},
        {"Ericsson", "ERIKSON"},
        {"Erixon", "ERIKSON"},
        {"Gustaf", "GUSTAV"},
        {"Pehr", "PER"},
        {"Dahl", "DAL"},
        {"Ohlsson", "OLSON"},
        {"Andersson", "ANDERSON"},
        {"Mattsson", "MATSON"},
        {"Olofsson", "OLOVSON"},
        {"Christoffer", "KRISTOFER"},
        {"Staffan", "STAFAN"},
        {"Charlotta", "SJARLOTA"},
        {"Kerstin", "TJERSTIN"},
        {"Hjalmar", "JALMAR"},
        {"Hvass", "VAS"},
        {"Zacharias", "SAKARIAS"},
        {"Joachim", "JOAKIM"},
        {"Michael", "MIKAEL"},
        {"Schultz", "SJULTS"},
        {"Skjöld", "SJÖLD"},
        {"Stjernberg", "SJERNBERG"},
        {"Skeppare", "SJEPARE"},
        {"Cecilia", "SESILIA"},
        {"Qvist", "KVIST"},
        {"Müller", "MYLER"},
        {"Bæckström", "BEKSTRÖM"},
        {"Sørensen", "SÖRENSEN"},
        {"Quist", "KUIST"},
        {"Stadt", "STAT"},
        {"Pers d:r", "PERSDOTER"},
        {"Olsdr", "OLSDOTER"},
        {"Gerhard", "GERARD"},
        {"Hafva", "HAVA"},
        {"Josef", "JOSEV"},
        {"Éva", "EVA"},
        {"Ann-Marie", "ANMARIE"},
        {"Djäkne", "JEKNE"},
        {"Ljung", "JUNG"},
        {"Gjerda", "JERDA"},
        {"Tjärnberg", "TJERNBERG"},
        {"Kjell", "TJEL"},
        {"Fvärd", "VERD"},
    };
    for (const KeyCase& c : cases) EXPECT_EQ(spellingKey(w(c.name)), w(c.key)) << c.name;
}

TEST(SpellingKey, TextWithoutLettersHasNoKey) {
    for (const char* text : {"", "~", " 12 ", "-:."}) EXPECT_EQ(spellingKey(text), "") << text;
}

// The spellings a genealogist must find together, and the names that only look alike.
TEST(SpellingKey, SpellingsOfOneNameMeetAndOtherNamesStayApart) {
    const std::vector<std::pair<const char*, const char*>> same = {
        {"Carl", "Karl"},          {"Ericsson", "Eriksson"},
        {"Eriksson", "Erixon"},    {"Gustaf", "Gustav"},
        {"Olof", "Olov"},          {"Pehr", "Per"},
        {"Christina", "Kristina"}, {"Wilhelm", "Vilhelm"},
        {"Mathsson", "Matsson"},   {"Hjalmar", "Jalmar"},
        {"Zacharias", "Sakarias"}, {"Sophia", "Sofia"},
        {"Elisabeth", "Elisabet"}, {"Charlotta", "Sjarlotta"},
        {"Kerstin", "Kjerstin"},   {"Christoffer", "Kristofer"},
        {"Staffan", "Stafan"},     {"Persdotter", "Pers d:r"},
        {"Pehrsson", "Persson"},   {"carl", "KARL"},
    };
    for (const auto& [a, b] : same) EXPECT_EQ(spellingKey(w(a)), spellingKey(w(b))) << a << " / " << b;
    const std::vector<std::pair<const char*, const char*>> apart = {
        {"Lindberg", "Lundberg"}, {"Lindgren", "Lundgren"},  {"Berg", "Borg"},  {"Jansson", "Jonsson"},
        {"Jönsson", "Jonsson"},   {"Persson", "Persdotter"}, {"Petter", "Per"}, {"Andersson", "Anderberg"},
    };
    for (const auto& [a, b] : apart) {
        const std::string keyA = spellingKey(w(a));
        const std::string keyB = spellingKey(w(b));
        EXPECT_NE(keyA, keyB) << a << " / " << b;
        EXPECT_FALSE(spellingKeysJoined(keyA, keyB)) << a << " / " << b;
    }
}

// The table joins contracted patronymics with their full forms, both ways, and nothing else.
TEST(SpellingKey, TableJoinsContractedNames) {
    const std::vector<std::pair<const char*, const char*>> joined = {
        {"Ersson", "Eriksson"}, {"Erson", "Ericsson"},        {"Olsson", "Olofsson"},
        {"Ohlson", "Olofson"},  {"Ersdotter", "Eriksdotter"}, {"Ols d:r", "Olofsdotter"},
    };
    for (const auto& [a, b] : joined) {
        EXPECT_TRUE(spellingKeysJoined(spellingKey(w(a)), spellingKey(w(b)))) << a << " / " << b;
        EXPECT_TRUE(spellingKeysJoined(spellingKey(w(b)), spellingKey(w(a)))) << b << " / " << a;
    }
    EXPECT_FALSE(spellingKeysJoined(spellingKey("Ersson"), spellingKey("Olsson")));
    EXPECT_FALSE(spellingKeysJoined(spellingKey("Eriksson"), spellingKey("Olofsson")));
    EXPECT_EQ(spellingKeyFamily("ERSON"), (std::vector<std::string>{"ERSON", "ERIKSON"}));
    EXPECT_EQ(spellingKeyFamily("BERG"), (std::vector<std::string>{"BERG"}));
}

}  // namespace
}  // namespace tessla
