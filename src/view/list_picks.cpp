#include "view/list_picks.h"

#include <algorithm>

#include "storage/cell_style.h"

namespace tessla {

namespace {

constexpr std::size_t kSummaryLength = 200;

bool inPickerRange(int list) {
    return list >= 1 && list <= kPickerLists;
}

}  // namespace

PickerPositions::Rows PickerPositions::of(int list) const {
    return inPickerRange(list) ? rows_[static_cast<std::size_t>(list)] : Rows{};
}

void PickerPositions::save(int list, Rows rows) {
    if (inPickerRange(list)) rows_[static_cast<std::size_t>(list)] = rows;
}

TSPstruktlista* pickerList(Database& db, int list) {
    if (!inPickerRange(list)) return nullptr;
    TSPstruktlista* words = db.listtabell(list);
    return words != nullptr && words->isOpen() ? words : nullptr;
}

std::string pickerEntryText(std::string_view rowText) {
    if (const std::size_t place = rowText.find("&B"); place != std::string_view::npos)
        return "    " + std::string(rowText.substr(std::min(place + 4, rowText.size())));
    if (const std::size_t first = rowText.find("&A"); first != std::string_view::npos)
        return std::string(rowText.substr(std::min(first + 3, rowText.size())));
    return std::string(rowText);
}

std::string pickerCountText(std::int32_t personCount) {
    return "\t" + std::to_string(personCount == 0 ? 1 : personCount);
}

std::uint32_t pickerCellStyle(std::uint32_t ord2, bool picked, bool treePlace) {
    CellStyle style = CellStyle::of(ord2);
    style.indent |= 1;
    style.marked = style.marked || picked;
    style.italic = style.italic || treePlace;
    return style.word();
}

std::string pickerCountLabel(Language language, std::int32_t picked, std::int32_t rows) {
    return inLanguage(language, "Valda: ", "Selected: ") + std::to_string(picked) +
           inLanguage(language, " av ", " of ") + std::to_string(rows);
}

// ---- the table -------------------------------------------------------------------------------------

PickerTable::PickerTable(TSPstruktlista* list, bool tree)
    : list_(list), tree_(tree && list != nullptr && list->hasParentTable() && list->outline().isTree()) {}

std::int32_t PickerTable::rows() const {
    if (list_ == nullptr) return 0;
    return tree_ ? list_->visibleCount() : list_->rowCount();
}

std::int32_t PickerTable::listRows() const {
    return list_ == nullptr ? 0 : list_->rowCount();
}

std::int32_t PickerTable::pickedCount() const {
    return list_ == nullptr ? 0 : list_->vald().count();
}

std::int32_t PickerTable::listRow(std::int32_t tableRow) const {
    if (tableRow < 0 || tableRow >= rows()) return -1;
    return tree_ ? list_->outline().visibleRow(tableRow + 1).value_or(-1) : tableRow + 1;
}

std::int32_t PickerTable::tableRowOf(std::int32_t row) const {
    if (list_ == nullptr || row < 1 || row > list_->rowCount()) return -1;
    if (!tree_) return row - 1;
    // A place of a closed row is not visible: its nearest visible ancestor stands for it.
    for (std::int32_t r = row; r > 0; r = list_->parentOf(r)) {
        if (const std::int32_t place = list_->synligplats(r); place > 0) return place - 1;
    }
    return -1;
}

void PickerTable::read(std::int32_t row) {
    if (list_->currentRow() != row) list_->lasrad(row);
}

std::string PickerTable::cellText(std::int32_t row, int column) {
    const std::int32_t r = listRow(row - 1);
    if (r < 0) return {};
    read(r);
    return column == 1 ? pickerEntryText(list_->text()) : pickerCountText(list_->personCount());
}

std::uint32_t PickerTable::cellStyle(std::int32_t row) {
    const std::int32_t r = listRow(row - 1);
    if (r < 0) return pickerCellStyle(0, false, false);
    read(r);
    return pickerCellStyle(list_->ord2(), list_->vald().testa(r), tree_ && list_->parentOf(r) != 0);
}

bool PickerTable::picked(std::int32_t tableRow) const {
    const std::int32_t r = listRow(tableRow);
    return r > 0 && list_->vald().testa(r);
}

void PickerTable::setPicked(std::int32_t tableRow, bool on) {
    if (const std::int32_t r = listRow(tableRow); r > 0) list_->vald().satt(r, on);
}

bool PickerTable::toggleOpen(std::int32_t tableRow) {
    const std::int32_t r = tree_ ? listRow(tableRow) : -1;
    if (r < 1 || list_->parentOf(r) != 0 || list_->lov().testa(r)) return false;
    if (list_->expanderad().testa(r))
        list_->komprimera(r);
    else
        list_->expandera(r);
    list_->byggvy();
    return true;
}

std::optional<std::int32_t> PickerTable::find(std::string_view prefix) {
    if (list_ == nullptr) return std::nullopt;
    const std::int32_t row = tableRowOf(list_->sokprefix(prefix));
    return row >= 0 ? std::optional<std::int32_t>(row) : std::nullopt;
}

// ---- marking, quick find ---------------------------------------------------------------------------

void PickerMarking::press(PickerTable& table, std::int32_t row) {
    state_ = !table.picked(row);
    table.setPicked(row, state_);
}

void PickerMarking::reach(PickerTable& table, std::int32_t row) {
    table.setPicked(row, state_);
}

void PickerMarking::extend(PickerTable& table, std::int32_t from, std::int32_t to) {
    table.setPicked(to, table.picked(from));
}

PickerKeyMarking pickerKeyMarking(PickerKeyPress press) {
    using Key = PickerKeyPress::Key;
    if (press.otherModifiers) return PickerKeyMarking::none;
    if (press.key == Key::space && !press.shift) return PickerKeyMarking::toggle;
    if (!press.shift) return PickerKeyMarking::none;
    if (press.key == Key::up) return PickerKeyMarking::extendUp;
    if (press.key == Key::down) return PickerKeyMarking::extendDown;
    return PickerKeyMarking::none;
}

PickerPositions::Rows quickFindRows(PickerPositions::Rows now, std::int32_t found, std::int32_t rows) {
    if (found >= now.top && found < now.top + kPickerVisibleRows) return {now.top, found};
    const std::int32_t top =
        std::clamp(found - kPickerVisibleRows / 2, 0, std::max(0, rows - kPickerVisibleRows));
    return {top, found};
}

// ---- summary, clearing -----------------------------------------------------------------------------

std::string sammanfatta(TSPstruktlista& list) {
    std::string summary;
    if (!list.isOpen()) return summary;
    for (std::int32_t r = 0; list.vald().nasta(r) && r <= list.rowCount();) {
        list.lasrad(r);
        const std::string& text = list.text();
        if (!summary.empty()) summary += ';';
        summary.append(text, 0, text.find('&'));
        if (summary.size() > kSummaryLength) break;
    }
    return summary;
}

void clearPicks(Database& db, PickerPositions& positions, int list) {
    TSPstruktlista* words = pickerList(db, list);
    if (words == nullptr) return;
    words->vald().tomma();
    if (words->hasParentTable()) words->expanderad().tomma();
    words->byggvy();
    positions.save(list, {});
}

}  // namespace tessla
