#include "census/person_list_rows.h"

#include <algorithm>
#include <optional>

#include "storage/word_list_format.h"

namespace tessla {

namespace {

constexpr char kSeparator = word_list_format::kMasterRowSeparator;

}  // namespace

std::string_view personListRowPart(std::string_view text, int index) {
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t at = text.find(kSeparator, begin);
        if (at == std::string_view::npos) return {};
        begin = at + 1;
    }
    const std::size_t end = text.find(kSeparator, begin);
    return text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

std::string cleanRowSeparators(std::string_view text) {
    std::string out(text);
    std::size_t kept = 0;
    for (std::size_t i = out.size(); i-- > 0;) {
        if (out[i] != kSeparator) continue;
        if (kept < 3)
            ++kept;
        else
            out[i] = 'y';
    }
    return out;
}

std::string PersonListWindow::personListCell(std::int32_t row, int column) {
    if (column != 1 && column != 2) return {};
    const std::string& text = fetch(row).text;
    if (column == 2) return std::string(personListRowPart(text, 1).substr(0, 11));
    const std::string_view name = personListRowPart(text, 0);
    return name.empty() ? "(Ingen namnuppgift)" : std::string(name);
}

std::int32_t PersonListWindow::recordNumber(std::int32_t row) {
    return fetch(row).record;
}

const std::string& PersonListWindow::rowText(std::int32_t row) {
    return fetch(row).text;
}

void PersonListWindow::setCapacity(std::size_t rows) {
    capacity_ = std::max(rows, kCapacity);
    while (rows_.size() > capacity_) rows_.pop_back();
}

void PersonListWindow::clear() {
    rows_.clear();
    first_ = 0;
}

const PersonListRow& PersonListWindow::fetch(std::int32_t row) {
    const auto count = static_cast<std::int32_t>(rows_.size());
    if (!rows_.empty() && row >= first_ && row < first_ + count) return rows_[row - first_];
    if (!rows_.empty() && row == first_ + count) {
        if (rows_.size() >= capacity_) {
            rows_.pop_front();
            ++first_;
        }
        rows_.push_back(readRow(row));
        return rows_.back();
    }
    if (!rows_.empty() && row == first_ - 1) {
        if (rows_.size() >= capacity_) rows_.pop_back();
        rows_.push_front(readRow(row));
        first_ = row;
        return rows_.front();
    }
    rows_.clear();
    rows_.push_back(readRow(row));
    first_ = row;
    return rows_.front();
}

PersonListRow readPersonListRow(TSPstruktlista& list, std::int32_t row) {
    const std::optional<std::int32_t> listRow = list.outline().visibleRow(row);
    if (!listRow) return {};
    list.lassynlig(row);
    if (list.currentRow() != *listRow) return {};
    return {cleanRowSeparators(list.text()), static_cast<std::int32_t>(list.ord1())};
}

PersonListRow PersonListWindow::readRow(std::int32_t row) {
    PersonListRow read = readPersonListRow(list_, row);
    if (read.text.size() > kMaxRowLength) read.text.resize(kMaxRowLength);
    return read;
}

}  // namespace tessla
