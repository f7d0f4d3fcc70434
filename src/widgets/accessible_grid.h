#pragma once

// What a screen reader learns of the table grid: a table of the grid's rows and columns whose
// cells say their text as drawn, with the current row as the selected one. Cells are made only
// for the rows a client asks about, and forgotten when the grid's rows are replaced.

#include <cstdint>
#include <map>
#include <utility>

#include <QAccessibleWidget>
#include <QPointer>

#include "widgets/table_grid.h"

namespace tessla {

class AccessibleGrid : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit AccessibleGrid(TSPtab* grid);

    void* interface_cast(QAccessible::InterfaceType type) override;
    // The cells, row by row: cell (row, column) is child row × columns + column.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    // The current row's first cell while the grid has the keyboard.
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    // Makes `row` the current row, as a click on it would.
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    // The grid always has a current row while it has rows.
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Forgets the cells made so far; they stand for rows that are gone.
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

  protected:
    ~AccessibleGrid() override;

  private:
    TSPtab& grid() const;
    void forgetCells();

    // The cells made so far, by (row, column), as ids of the accessibility registry, which owns them.
    mutable std::map<std::pair<std::int32_t, int>, QAccessible::Id> cells_;
};

// One cell of the grid: its text as drawn, selected on the current row, a separator on a row
// that may not be selected.
class AccessibleGridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    AccessibleGridCell(TSPtab* grid, std::int32_t row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<TSPtab> grid_;
    std::int32_t row_;
    int column_;
};

}  // namespace tessla
