#include "view/result_list.h"

namespace tessla {

void ResultList::refresh() {
    master_.byggvy();
    window_.clear();
}

std::int32_t ResultList::entryAt(std::int32_t row) const {
    return master_.outline().visibleRow(row + 1).value_or(-1);
}

std::int32_t ResultList::rowOf(std::int32_t entry) const {
    const std::int32_t position = master_.synligplats(entry);
    return position < 1 ? -1 : position - 1;
}

void ResultList::remove(std::int32_t entry) {
    master_.vald().satt(entry, false);
}

void ResultList::clear() {
    master_.vald().tomma();
}

std::int32_t rowKeptAfterDeselect(std::int32_t row, std::int32_t rows) {
    if (row < rows - 1) return row + 1;
    return rows >= 3 ? row - 1 : -1;
}

}  // namespace tessla
