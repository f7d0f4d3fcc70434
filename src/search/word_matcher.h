#pragma once

// The word matcher: one criterion text matched against one word list, the persons of every
// matching row marked into the database's search selections. The person search and the child
// search match every criterion through it.

#include <cstdint>
#include <string_view>

#include "database/database.h"
#include "storage/word_list.h"

namespace tessla {

// How a criterion compares row texts once the list's own search has found the first candidate
// (the list's order folds case but keeps accents).
enum class Comparison : std::uint8_t {
    AccentOrder,  // accented letters differ from their base letters: names and occupations
    Fold,         // accents folded (but Å, Ä, Ö are letters of their own): first names and places
};

// How the text divides into words.
enum class WordSplit : std::uint8_t {
    Alternatives,  // ";" between alternatives; the hits of all words are united
    AllWords,      // blanks between words that must all match; their hits are intersected
};

// Whether a "~" word asks for the spellings of a name (the name lists) or is text like any other.
enum class NameVariants : std::uint8_t { No, Spelling };

// The name lists, whose criteria take "~" words: last names, first names and the child search's
// parents' and sibling's names.
NameVariants nameVariantsOf(int list);

// True when a word of `text` (words divided by ";" and blanks) asks for spelling variants but also
// holds "*": such a word matches nothing.
bool holdsStarredVariant(std::string_view text);

// `sokord`: clears `sokur2` of `db` and marks in it the persons of every row of `list` that
// matches `text`; true when any row matched. `list` must be one of db's lists with person lists.
//
// Each word, trimmed, is a pattern:
//   "Ek"      exact: the row equal to Ek in the list's order;
//   *son      ending: every row ending in son;
//   *ers*     containing: every row containing ers, accents folded whatever `comparison` says;
//   And*son   beginning and ending: the rows beginning with And that also end in son;
//   And       beginning (a trailing "*" changes nothing): the rows from the first that begins
//             with And (found in the list's order) on, as long as `comparison` says they begin
//             with it;
//   ~Karl     spellings, with NameVariants::Spelling only: every row whose spelling key equals
//             that of Karl or is joined with it (see spellingKey); a word without a key or with a
//             "*" matches nothing. Otherwise "~" is a letter like any other.
// A word that is empty after trimming adds nothing, and a text without words matches nothing
// (with AllWords too). `sokur1` is overwritten with AllWords.
//
// An empty `text` means list mode: every row picked in the list's `vald` selection whose first
// row word is not -1 contributes its persons.
bool sokord(Database& db, TSPstruktlista& list, std::string_view text, WordSplit split, Comparison comparison,
            NameVariants variants = NameVariants::No);

// `sokar`: clears `sokur2` of `db` and marks in it the persons of the rows of the year list
// `years` from the first row not below `from` up to the last not above `to`, comparing bytes; true
// when any row was marked. An empty `to` means `from`, and a `to` below `from` is raised to it,
// so "1885"-"1880" finds 1885 only and a shorter year ("188") finds nothing.
bool sokar(Database& db, TSPstruktlista& years, std::string_view from, std::string_view to);

}  // namespace tessla
