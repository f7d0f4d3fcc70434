#include "search/criteria.h"

#include <algorithm>

#include "base/string_utils.h"
#include "census/person_list_rows.h"

namespace tessla {

namespace {

bool isFilled(const Criterion& criterion) {
    return !trimBlanks(criterion.text).empty();
}

// A year or a range: the first year is the trimmed text before the first "-", the last year the
// trimmed text after it; without "-" both are the whole text.
bool matchYears(Database& db, TSPstruktlista& years, std::string_view text) {
    text = trimBlanks(text);
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) return sokar(db, years, text, text);
    return sokar(db, years, trimBlanks(text.substr(0, dash)), trimBlanks(text.substr(dash + 1)));
}

// The union of the ";" alternatives in `sokur3`, each alternative the persons bearing all its
// names.
Tspsmalurval& matchFirstNames(Database& db, TSPstruktlista& names, std::string_view text,
                              Comparison comparison, NameVariants variants) {
    Tspsmalurval& any = db.sokur3();
    any.tomma();
    for (std::string rest(text); !rest.empty();) {
        const std::string alternative = nastaord(";", rest);
        // Only a text of separators gives no alternative; an empty text would mean list mode.
        if (alternative.empty()) continue;
        sokord(db, names, alternative, WordSplit::AllWords, comparison, variants);
        any.eller(db.sokur2());
    }
    return any;
}

// The hits of a filled criterion in a scratch selection, or null when it has no list for its kind.
Tspsmalurval* matchCriterion(Database& db, const Criterion& criterion, const CriterionRule& rule) {
    const int number = rule.lists[static_cast<std::size_t>(criterion.kind)];
    if (number == 0) return nullptr;
    TSPstruktlista& list = db.tessls(number);
    const std::string_view text = criterion.fromList ? std::string_view() : std::string_view(criterion.text);
    const NameVariants variants = nameVariantsOf(number);
    switch (rule.match) {
        case Match::Year:
            matchYears(db, list, criterion.text);
            break;
        case Match::FirstNames:
            if (!criterion.fromList) return &matchFirstNames(db, list, text, rule.comparison, variants);
            sokord(db, list, text, WordSplit::AllWords, rule.comparison, variants);
            break;
        case Match::Words:
            sokord(db, list, text, WordSplit::Alternatives, rule.comparison, variants);
            break;
    }
    return &db.sokur2();
}

}  // namespace

std::optional<std::int32_t> runSearch(Database& db, std::span<const AppliedCriterion> criteria,
                                      PersonListWindow* window) {
    TSPstruktlista& persons = db.tessllista();
    Tspsmalurval& result = persons.vald();
    std::optional<std::int32_t> count;
    if (std::ranges::none_of(criteria, [](const AppliedCriterion& a) { return isFilled(*a.criterion); })) {
        result.tomma();
    } else {
        // The result starts with every person; the first criterion's hits are taken over from
        // their scratch selection instead of intersected into a full selection, which comes to the
        // same.
        bool first = true;
        for (const AppliedCriterion& applied : criteria) {
            if (!isFilled(*applied.criterion)) continue;
            Tspsmalurval* hits = matchCriterion(db, *applied.criterion, applied.rule);
            if (hits == nullptr) continue;
            if (first) {
                result.takeRows(*hits);
            } else {
                result.och(*hits);
            }
            first = false;
        }
        if (first) result.fyllalla();
        count = result.count();
    }
    persons.byggvy();
    if (window != nullptr) window->clear();
    return count;
}

}  // namespace tessla
