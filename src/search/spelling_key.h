#pragma once

// The spelling key of a name: one text for the spellings of a name that were written freely in
// the rolls (Carl and Karl, Eriksson and Erixon, Gustaf and Gustav, Pehr and Per), made for Swedish
// spelling. Vowels are kept, so names that differ in a vowel (Lindberg, Lundberg) stay apart.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessla {

// Raised whenever the rules of `spellingKey` or the table of `spellingKeysJoined` change, so that
// key lists written by an older build are not used.
inline constexpr std::uint32_t kSpellingKeyVersion = 1;

// The key of a Windows-1252 name; empty when the name has no letter.
std::string spellingKey(std::string_view name);

// True when the keys are equal or the table of contracted names joins them (Ersson with Eriksson).
bool spellingKeysJoined(std::string_view a, std::string_view b);

// `key` itself first, then the keys the table joins with it.
std::vector<std::string> spellingKeyFamily(std::string_view key);

}  // namespace tessla
