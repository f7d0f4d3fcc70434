#pragma once

// The owner-drawn table of every list in the program. It keeps no cell data: it asks its owner,
// through provider functions, for the text and style of each cell it paints, and paints only the
// rows in view, so a table of millions of rows costs nothing until they are scrolled to.
//
// Rows and columns of the grid itself (current row, top row, gesture cell) count from 0; the
// providers are called with rows and columns counted from 1. The grid selects whole rows; the
// selected row is drawn white on a highlight above any background picture. A disabled grid
// paints its background and highlight but no text, and asks its providers nothing.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QFont>
#include <QFontMetrics>
#include <QWidget>

#include "view/scroll_rows.h"

class QPainter;

namespace tessla {

class TSPtiler;
class TSPfigurer;

enum class TSPtabmode { tmStandard, tmVald, tmValdIkon, tmStrukt, tmStruktvald, tmStruktValdIkon };
enum class TSPtabvaelj { tvOff, tvHdrag };

class TSPtab : public QWidget {
    Q_OBJECT

  public:
    // The text of a cell, in Windows-1252. Absent: the row number in decimal.
    using CellTextProvider = std::function<std::string(std::int32_t row, int column)>;
    // The style word of a cell (storage/cell_style.h). Absent: black, red where marks show by
    // colour (144).
    using CellStyleProvider = std::function<std::uint32_t(std::int32_t row, int column)>;
    // The tree-node kind (0, 1 or 2) of a cell, asked for in the tree modes only. Absent: 0.
    using NodeKindProvider = std::function<int(std::int32_t row, int column)>;
    // Whether a row may become the current row. Absent: every row.
    using RowSelectableProvider = std::function<bool(std::int32_t row)>;
    // Paints behind a row's text, over its background and highlight: the row from 1, its
    // rectangle and whether it is selected. Absent: nothing.
    using RowUnderlay =
        std::function<void(QPainter& painter, std::int32_t row, const QRect& rect, bool selected)>;

    explicit TSPtab(QWidget* parent = nullptr);

    void setCellTextProvider(CellTextProvider provider);
    void setCellStyleProvider(CellStyleProvider provider);
    void setNodeKindProvider(NodeKindProvider provider);
    void setRowSelectableProvider(RowSelectableProvider provider);
    void setRowUnderlay(RowUnderlay underlay);

    // Rows. Setting the count keeps the top and current rows inside it: the current row stays, or
    // becomes the nearest row that may be selected; with no rows it is -1.
    std::int32_t rowCount() const { return rowCount_; }
    void setRowCount(std::int32_t rows);
    int defaultRowHeight() const { return rowHeight_; }
    void setDefaultRowHeight(int pixels);
    // Rows that fit whole in the grid's height (at least 1), whether or not there are that many.
    std::int32_t visibleRowCount() const;

    // Columns; a new column is 64 pixels wide.
    int columnCount() const { return static_cast<int>(columnWidths_.size()); }
    void setColumnCount(int columns);
    int columnWidth(int column) const;
    void setColumnWidth(int column, int pixels);

    // The first row shown, kept within 0 … row count − visible rows.
    std::int32_t topRow() const { return topRow_; }
    void setTopRow(std::int32_t row);
    // The selected row, -1 when there is none (no rows, or cleared). Setting it brings the row
    // into view; a row outside the grid or one that may not be selected is refused.
    std::int32_t currentRow() const { return currentRow_; }
    void setCurrentRow(std::int32_t row);
    // Leaves no row selected, until a row is set or chosen again.
    void clearCurrentRow();

    // Whether `row` may become the current row.
    bool selectable(std::int32_t row) const;
    // The text of a cell as drawn: outside the tree modes without the key after "|", and without
    // the tab that right-aligns it.
    QString shownText(std::int32_t row, int column) const;
    // The cell's rectangle in the grid; a row out of view lies above or below it.
    QRect cellRect(std::int32_t row, int column) const;

    // The point size of the grid's serif font.
    void setFontPointSize(int points);

    TSPtabmode tabmode() const { return tabmode_; }
    void setTabmode(TSPtabmode mode);
    TSPtabvaelj tabvaelj() const { return tabvaelj_; }
    void setTabvaelj(TSPtabvaelj gesture);

    // Icons: the figure set they come from, the icon of a marked row in the icon modes and the
    // icons of node kinds 0, 1 and 2 in the tree modes. The figure set is not owned.
    void setFigurer(TSPfigurer* figurer);
    void setValdfigur(std::string name);
    void setFigurA(std::string name);
    void setFigurB(std::string name);
    void setFigurC(std::string name);

    // Pixels of indent per indent level.
    int ettindrag() const { return ettindrag_; }
    void setEttindrag(int pixels);

    // Whether the grid scrolls itself with the mouse wheel; when false the wheel goes to the
    // window.
    bool mushjul() const { return mushjul_; }
    void setMushjul(bool on) { mushjul_ = on; }

    // The picture behind the cells, the piece that lies behind the grid in its parent. A null
    // tiler or an empty name paints the plain paper colour. The tiler is not owned.
    void setBackground(TSPtiler* tiler, std::string tilekod);

    // The cell the right-button gesture last reached, -1 when none.
    std::int32_t gestureRow() const { return gesture_.row; }
    int gestureColumn() const { return gesture_.column; }

  signals:
    // The right-button gesture reached a new cell: `press` for the cell pressed, false for each
    // cell reached by moving with the button down.
    void OnVald(std::int32_t row, int column, bool press);
    // The left button was double-clicked on a row.
    void OnDubbelklick(std::int32_t row);
    // The grid was resized.
    void OnNySize();
    // The current row or the top row changed, by the user or by the owner.
    void currentRowChanged(std::int32_t row);
    void topRowChanged(std::int32_t row);
    // The number of rows or the row height changed.
    void rowCountChanged(std::int32_t rows);
    void rowHeightChanged(int pixels);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    struct Cell {
        std::int32_t row = -1;
        int column = -1;
    };
    struct StyledFont {
        QFont font;
        QFontMetrics metrics;
    };

    std::int32_t maxTopRow() const;
    std::int32_t lastRow() const { return rowCount_ - 1; }
    // The nearest selectable row from `row` on in direction `step`, then the other way; -1 when
    // none.
    std::int32_t selectableFrom(std::int32_t row, int step) const;
    // The top row nearest to `top` that shows `row` whole.
    std::int32_t topRowShowing(std::int32_t row, std::int32_t top) const;
    // Moves the current row to the nearest selectable row from `row` (searched in direction
    // `step`) and the top row to `top`, then brings the current row into view.
    void moveTo(std::int32_t row, int step, std::int32_t top);
    // Sets both rows, repaints and reports what changed once both are set.
    void changeRows(std::int32_t top, std::int32_t current);
    // Tell an assistive client that the rows were replaced, and which row is current now (so
    // that a screen reader reads the row under the cursor).
    void announceRows();
    void announceCurrentRow();
    // The cell under `point`; row -1 when there is none.
    Cell cellAt(QPoint point) const;
    void reachGestureCell(Cell cell, bool press);
    void endGesture();

    void paintRow(QPainter& painter, std::int32_t row, int y, const QRect& dirty);
    void paintBackground(QPainter& painter, const QRect& rect) const;
    void paintCellContent(QPainter& painter, std::int32_t row, int column, const QRect& cell,
                          bool selected) const;
    std::string cellText(std::int32_t row, int column) const;
    std::uint32_t cellStyle(std::int32_t row, int column) const;
    // The icon a cell shows; empty when none.
    const std::string& iconName(std::int32_t row, int column, bool marked) const;
    // Draws `icon` centred vertically at `x` in `cell`; its width, or -1 when nothing was drawn.
    int paintIcon(QPainter& painter, const std::string& icon, int x, const QRect& cell) const;
    void rebuildFonts();

    CellTextProvider cellText_;
    CellStyleProvider cellStyle_;
    NodeKindProvider nodeKind_;
    RowSelectableProvider rowSelectable_;
    RowUnderlay rowUnderlay_;

    std::int32_t rowCount_ = 10;
    int rowHeight_ = 24;
    std::vector<int> columnWidths_;
    std::int32_t topRow_ = 0;
    std::int32_t currentRow_ = 0;

    TSPtabmode tabmode_ = TSPtabmode::tmStandard;
    TSPtabvaelj tabvaelj_ = TSPtabvaelj::tvOff;
    TSPfigurer* figurer_ = nullptr;
    std::string valdfigur_;
    std::array<std::string, 3> nodeFigures_;
    int ettindrag_ = 0;
    bool mushjul_ = true;
    TSPtiler* tiler_ = nullptr;
    std::string tilekod_;

    Cell gesture_;
    bool gesturePressed_ = false;
    bool leftPressed_ = false;
    WheelRows wheelNotches_{120};  // whole notches of the wheel

    // The widget font in its eight combinations of italic (1), bold (2) and underline (4).
    std::vector<StyledFont> fonts_;
};

}  // namespace tessla
