#pragma once

// The persons a print job (or an export) collects: the first persons of the result list's
// selection, read into the job's own copies and sorted by the print sort keys, or the household
// list in its order. A job never changes the program's current person.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "census/household.h"
#include "census/person.h"
#include "database/database.h"
#include "view/print_choices.h"

namespace tessla {

// The persons of a job, in the order they print. An entry with no person is a separator (the
// household table's families).
struct CollectedPersons {
    std::vector<std::optional<Tenperson>> entries;
    std::int32_t available = 0;  // the persons the result (or the household) holds
    std::int32_t collected = 0;  // the persons read
    bool cancelled = false;
};

// Called before each person read or printed; false cancels the job.
using PrintStep = std::function<bool()>;

// A person's sort text: key one, then the separator and key two when there is one, cut to 255
// characters. The roll's key starts with the county and the parish, because household numbers
// start again in every parish.
std::string printSortText(const Tenperson& person, PrintKeys keys, char separator, Language language);

// Reads the first `most` (at most kMostCollected) persons of the result list's selection in list
// order, walking its set rows only; a row that cannot be read gives a person with every field empty.
// A cancelled reading keeps no person.
CollectedPersons readResult(Database& db, std::int32_t most, const PrintStep& step);
// Sorts the persons by their sort text (ascending; equal texts keep their order).
void sortCollected(CollectedPersons& persons, PrintKeys keys, char separator, Language language);
// Reads the first kMostCollected persons of the result list as readResult does, then sorts them
// as sortCollected does.
// `sorting`, when given, runs once the reading is done and the sort begins.
CollectedPersons collectResult(Database& db, PrintKeys keys, char separator, Language language,
                               const PrintStep& step, const std::function<void()>& sorting = {});
// The household list in its order: its members (a record number that cannot be read reads as 1)
// and its separators.
CollectedPersons collectHousehold(Database& db, const HouseholdList& household, const PrintStep& step);

}  // namespace tessla
