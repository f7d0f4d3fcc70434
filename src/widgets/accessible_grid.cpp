#include "widgets/accessible_grid.h"

namespace tessla {

// ---- the grid ------------------------------------------------------------------------------------

AccessibleGrid::AccessibleGrid(TSPtab* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

AccessibleGrid::~AccessibleGrid() {
    forgetCells();
}

TSPtab& AccessibleGrid::grid() const {
    return *static_cast<TSPtab*>(widget());
}

void AccessibleGrid::forgetCells() {
    for (const auto& [cell, id] : cells_) QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

void* AccessibleGrid::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int AccessibleGrid::rowCount() const {
    return grid().rowCount();
}

int AccessibleGrid::columnCount() const {
    return grid().columnCount();
}

int AccessibleGrid::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* AccessibleGrid::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    return cellAt(index / columnCount(), index % columnCount());
}

int AccessibleGrid::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const AccessibleGridCell*>(child);
    if (cell == nullptr || cell->table() != this) return -1;
    return cell->rowIndex() * columnCount() + cell->columnIndex();
}

QAccessibleInterface* AccessibleGrid::childAt(int x, int y) const {
    const QPoint point = grid().mapFromGlobal(QPoint(x, y));
    if (!grid().rect().contains(point)) return nullptr;
    const std::int32_t row = grid().topRow() + point.y() / grid().defaultRowHeight();
    for (int column = 0; column < columnCount(); ++column)
        if (grid().cellRect(row, column).contains(point)) return cellAt(row, column);
    return nullptr;
}

QAccessibleInterface* AccessibleGrid::focusChild() const {
    if (!grid().hasFocus() || grid().currentRow() < 0) return nullptr;
    return cellAt(grid().currentRow(), 0);
}

QAccessibleInterface* AccessibleGrid::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    const auto key = std::make_pair(static_cast<std::int32_t>(row), column);
    const auto found = cells_.find(key);
    if (found != cells_.end()) return QAccessible::accessibleInterface(found->second);
    auto* cell = new AccessibleGridCell(&grid(), row, column);
    cells_.emplace(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int AccessibleGrid::selectedRowCount() const {
    return grid().currentRow() >= 0 ? 1 : 0;
}

QList<int> AccessibleGrid::selectedRows() const {
    if (grid().currentRow() < 0) return {};
    return {grid().currentRow()};
}

int AccessibleGrid::selectedCellCount() const {
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface*> AccessibleGrid::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const int row : selectedRows())
        for (int column = 0; column < columnCount(); ++column) cells.append(cellAt(row, column));
    return cells;
}

bool AccessibleGrid::isRowSelected(int row) const {
    return row >= 0 && row == grid().currentRow();
}

bool AccessibleGrid::selectRow(int row) {
    grid().setCurrentRow(row);
    return isRowSelected(row);
}

void AccessibleGrid::modelChange(QAccessibleTableModelChangeEvent*) {
    forgetCells();
}

// ---- a cell --------------------------------------------------------------------------------------

AccessibleGridCell::AccessibleGridCell(TSPtab* grid, std::int32_t row, int column)
    : grid_(grid), row_(row), column_(column) {}

bool AccessibleGridCell::isValid() const {
    return grid_ != nullptr && row_ < grid_->rowCount() && column_ < grid_->columnCount();
}

QWindow* AccessibleGridCell::window() const {
    return grid_ != nullptr ? grid_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleGridCell::parent() const {
    return QAccessible::queryAccessibleInterface(grid_.data());
}

QString AccessibleGridCell::text(QAccessible::Text type) const {
    if (type != QAccessible::Name || !isValid()) return {};
    return grid_->shownText(row_, column_);
}

QRect AccessibleGridCell::rect() const {
    if (!isValid()) return {};
    const QRect cell = grid_->cellRect(row_, column_);
    return {grid_->mapToGlobal(cell.topLeft()), cell.size()};
}

QAccessible::Role AccessibleGridCell::role() const {
    return isValid() && !grid_->selectable(row_) ? QAccessible::Separator : QAccessible::Cell;
}

QAccessible::State AccessibleGridCell::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = grid_->selectable(row_);
    state.selected = isSelected();
    state.disabled = !grid_->isEnabled();
    state.invisible = !grid_->rect().intersects(grid_->cellRect(row_, column_));
    state.offscreen = state.invisible;
    return state;
}

void* AccessibleGridCell::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool AccessibleGridCell::isSelected() const {
    return grid_ != nullptr && row_ == grid_->currentRow();
}

}  // namespace tessla
