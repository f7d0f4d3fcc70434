#include "search/word_matcher.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/string_utils.h"
#include "search/spelling_key.h"
#include "search/spelling_key_file.h"
#include "storage/collation.h"

namespace tessla {

namespace {

// A first row word of -1 marks a row that picking must not use.
constexpr std::uint32_t kUnusableRow = 0xFFFFFFFFu;

enum class PatternKind : std::uint8_t { Exact, Beginning, Ending, Containing, BeginningAndEnding, Spelling };

struct Pattern {
    PatternKind kind;
    std::string_view word;    // the exact word, the beginning, the ending or the contained text
    std::string_view ending;  // BeginningAndEnding only
};

// `word` is trimmed and not empty.
Pattern parsePattern(std::string_view word, NameVariants variants) {
    if (word.size() >= 2 && word.front() == '"' && word.back() == '"')
        return {PatternKind::Exact, word.substr(1, word.size() - 2), {}};
    if (variants == NameVariants::Spelling && word.starts_with('~')) return {PatternKind::Spelling, word, {}};
    const bool leading = word.starts_with('*');
    if (leading) word.remove_prefix(1);
    const bool trailing = word.ends_with('*');
    if (trailing) word.remove_suffix(1);
    if (leading) return {trailing ? PatternKind::Containing : PatternKind::Ending, word, {}};
    const std::size_t star = word.find('*');
    if (star != std::string_view::npos)
        return {PatternKind::BeginningAndEnding, word.substr(0, star), word.substr(star + 1)};
    return {PatternKind::Beginning, word, {}};
}

// Makes row n current; false when it cannot be read (the current row is then another one).
bool readRow(TSPstruktlista& list, std::int32_t n) {
    list.lasrad(n);
    return list.currentRow() == n;
}

bool endsWith(std::string_view text, std::string_view ending, CollationOrder order) {
    return text.size() >= ending.size() &&
           CollCompareN(ending, text.substr(text.size() - ending.size()), ending.size(), order) == 0;
}

// Marks the persons of matching rows into `hits`, rows taken in list order. In a tree list the
// persons of a first-level row include those of its places, so a place whose parent has just been
// marked is passed over, and a walk through the list goes on after the places of a first-level
// row it has marked without reading them.
class RowMarker {
  public:
    RowMarker(TSPstruktlista& list, Tspsmalurval& hits) : list_(list), hits_(hits) {}

    // Marks the current row, n; returns the next row the walk needs to look at.
    std::int32_t mark(std::int32_t n) {
        found_ = true;
        const std::int32_t parent = list_.parentOf(n);
        if (parent != 0 && parent == markedParent_) return n + 1;
        list_.markera(hits_);
        if (parent != 0) return n + 1;
        markedParent_ = n;
        return list_.outline().subtreeEnd(n) + 1;
    }
    bool found() const { return found_; }

  private:
    TSPstruktlista& list_;
    Tspsmalurval& hits_;
    std::int32_t markedParent_ = 0;
    bool found_ = false;
};

bool markExact(TSPstruktlista& list, std::string_view word, Tspsmalurval& hits) {
    const std::int32_t row = list.sokexakt(word);
    if (row < 1 || !readRow(list, row)) return false;
    list.markera(hits);
    return true;
}

// The rows from the first that begins with the pattern's word in the list's order, as long as
// they begin with it under `order`; with an ending, only those that also end with it.
bool markFromBeginning(TSPstruktlista& list, const Pattern& pattern, CollationOrder order,
                       Tspsmalurval& hits) {
    const std::string_view beginning = pattern.word;
    RowMarker marker(list, hits);
    for (std::int32_t n = list.sokprefix(beginning); n >= 1 && readRow(list, n);) {
        if (CollCompareN(beginning, list.text(), beginning.size(), order) != 0) break;
        const bool ends =
            pattern.kind != PatternKind::BeginningAndEnding || endsWith(list.text(), pattern.ending, order);
        n = ends ? marker.mark(n) : n + 1;
    }
    return marker.found();
}

// Every row of the list whose text satisfies `matches`; rows that cannot be read are passed over.
template <typename Matches>
bool markEveryRow(TSPstruktlista& list, Tspsmalurval& hits, Matches matches) {
    RowMarker marker(list, hits);
    for (std::int32_t n = 1; n <= list.rowCount();) {
        n = readRow(list, n) && matches(std::string_view(list.text())) ? marker.mark(n) : n + 1;
    }
    return marker.found();
}

// Marks the rows of the keys of `family` that the list's key list names, each checked to carry its
// key; nothing when the key list is missing, was written under other key rules, cannot be read or
// names a row that does not carry the key (every row it marked carries one of the keys).
std::optional<bool> markFromKeyList(TSPstruktlista& list, const std::vector<std::string>& family,
                                    Tspsmalurval& hits) {
    const WordListProperties& p = list.properties();
    SpellingKeyFile keys(spellingKeyFilePath(p.filkat, p.filnamn), kSpellingKeyVersion, list.rowCount());
    if (!keys.usable()) return std::nullopt;
    bool found = false;
    for (const std::string& key : family) {
        const std::optional<std::vector<std::int32_t>> rows = keys.rowsOf(key);
        if (!rows) return std::nullopt;
        for (const std::int32_t n : *rows) {
            if (!readRow(list, n) || spellingKey(list.text()) != key) return std::nullopt;
            list.markera(hits);
            found = true;
        }
    }
    return found;
}

// Every row whose spelling key is in the family of the word's key: from the list's key list when it
// can be trusted, else by walking the list. The name lists are flat, so rows are marked one by one.
bool markSpellings(TSPstruktlista& list, std::string_view word, Tspsmalurval& hits) {
    if (word.find('*') != std::string_view::npos) return false;
    const std::string key = spellingKey(word);
    if (key.empty()) return false;
    const std::vector<std::string> family = spellingKeyFamily(key);
    if (const std::optional<bool> found = markFromKeyList(list, family, hits)) return *found;
    return markEveryRow(list, hits, [&](std::string_view text) {
        return std::ranges::find(family, spellingKey(text)) != family.end();
    });
}

bool markPattern(TSPstruktlista& list, const Pattern& pattern, CollationOrder order, Tspsmalurval& hits) {
    switch (pattern.kind) {
        case PatternKind::Exact:
            return markExact(list, pattern.word, hits);
        case PatternKind::Beginning:
        case PatternKind::BeginningAndEnding:
            return markFromBeginning(list, pattern, order, hits);
        case PatternKind::Ending:
            return markEveryRow(list, hits,
                                [&](std::string_view text) { return endsWith(text, pattern.word, order); });
        case PatternKind::Containing:
            return markEveryRow(list, hits,
                                [&](std::string_view text) { return CollContains(pattern.word, text) != 0; });
        case PatternKind::Spelling:
            return markSpellings(list, pattern.word, hits);
    }
    return false;
}

bool markPicked(TSPstruktlista& list, Tspsmalurval& hits) {
    RowMarker marker(list, hits);
    const Tspsmalurval& picked = list.vald();
    for (std::int32_t n = 0; picked.nasta(n);) {
        if (readRow(list, n) && list.ord1() != kUnusableRow) marker.mark(n);
    }
    return marker.found();
}

}  // namespace

namespace {

// The words of `text`, each a pattern; with AllWords their hits are intersected in `sokur1`.
bool markWords(Database& db, TSPstruktlista& list, std::string_view text, WordSplit split,
               CollationOrder order, NameVariants variants) {
    Tspsmalurval& hits = db.sokur2();
    Tspsmalurval& common = db.sokur1();
    const bool allWords = split == WordSplit::AllWords;
    if (allWords) common.fyllalla();
    bool found = false;
    bool anyWord = false;
    for (std::string rest(text); !rest.empty();) {
        const std::string word = nastaord(allWords ? " " : ";", rest);
        const std::string_view pattern = trimBlanks(word);
        if (pattern.empty()) continue;
        anyWord = true;
        if (allWords) hits.tomma();
        found = markPattern(list, parsePattern(pattern, variants), order, hits) || found;
        if (allWords) common.och(hits);
    }
    if (allWords && anyWord) hits.kopiera(common);
    return found;
}

}  // namespace

NameVariants nameVariantsOf(int list) {
    constexpr std::array<int, 8> kNameLists = {1, 2, 6, 22, 23, 30, 31, 38};
    return std::ranges::find(kNameLists, list) != kNameLists.end() ? NameVariants::Spelling
                                                                   : NameVariants::No;
}

bool holdsStarredVariant(std::string_view text) {
    for (std::string rest(text); !rest.empty();) {
        const std::string word = nastaord("; ", rest);
        if (word.starts_with('~') && word.find('*') != std::string::npos) return true;
    }
    return false;
}

bool sokord(Database& db, TSPstruktlista& list, std::string_view text, WordSplit split, Comparison comparison,
            NameVariants variants) {
    Tspsmalurval& hits = db.sokur2();
    hits.tomma();
    const CollationOrder order = comparison == Comparison::AccentOrder ? CollationOrder::AccentRankOrder
                                                                       : CollationOrder::SwedishOrder;
    return text.empty() ? markPicked(list, hits) : markWords(db, list, text, split, order, variants);
}

bool sokar(Database& db, TSPstruktlista& years, std::string_view from, std::string_view to) {
    if (to.empty() || from > to) to = from;
    Tspsmalurval& hits = db.sokur2();
    hits.tomma();
    bool found = false;
    for (std::int32_t n = 1; n <= years.rowCount(); ++n) {
        if (!readRow(years, n)) continue;
        const std::string_view year = years.text();
        if (year < from) continue;
        if (year > to) break;
        years.markera(hits);
        found = true;
    }
    return found;
}

}  // namespace tessla
