#pragma once

// What the print window's choices mean, without pixels: the kinds of print and the sort orders
// it offers with their texts, the sort keys and the range of records a job runs with, and the
// print maximum the kinds name.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/language.h"

namespace tessla {

// The kinds in the order of the kind list.
enum class PrintKind { records = 0, table = 1, roll = 2, household = 3 };
inline constexpr std::array<PrintKind, 4> kPrintKinds = {PrintKind::records, PrintKind::table,
                                                         PrintKind::roll, PrintKind::household};

// A job reads and prints at most this many persons.
inline constexpr std::int32_t kMostCollected = 10000;
// The end of a range field that is not a number: everything.
inline constexpr std::int32_t kRangeEverything = 5300000;
// The sort key of the household examination roll.
inline constexpr int kHouseholdOrderKey = 5;

// The item of kind `kind` in the kind list (UTF-8): `maximum` is the print maximum, `members`
// the household's entries.
std::string printKindText(PrintKind kind, std::int32_t maximum, std::int32_t members, Language language);
// The four sort orders of both sort lists (UTF-8).
std::array<std::string, 4> sortOrderNames(Language language);

// The sort keys of a job from the two sort lists' indexes: 1 … 4 from the lists, 5 and 1 for the
// roll; the second is 0 when it equals the first.
struct PrintKeys {
    int first = 1, second = 0;
};
PrintKeys printKeys(PrintKind kind, int firstIndex, int secondIndex);
// The sort text of a table's subtitle (UTF-8), "ordnad efter namn + födelseår".
std::string sortText(PrintKeys keys, Language language);

// The positions of the sorted order a job prints: a field that is not a number gives 0 and
// `kRangeEverything`.
struct PrintRange {
    std::int32_t from = 0, to = kRangeEverything;
};
PrintRange printRange(std::string_view from, std::string_view to);
// The print maximum: the smaller of the count and the print limit.
std::int32_t printMaximum(std::int32_t count, std::int32_t printLimit);

}  // namespace tessla
