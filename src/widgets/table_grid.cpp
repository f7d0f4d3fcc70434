#include "widgets/table_grid.h"

#include <algorithm>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "skin/control_palette.h"
#include "skin/figure_set.h"
#include "skin/fonts.h"
#include "skin/qt_text.h"
#include "skin/tiler.h"
#include "storage/cell_style.h"

namespace tessla {
namespace {

// The colours a style word chooses from, by index.
constexpr std::array<QRgb, 16> kColourTable = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 96, 32),     qRgb(96, 32, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 64, 80),     qRgb(128, 128, 128),
    qRgb(192, 192, 192), qRgb(208, 0, 0),   qRgb(0, 255, 0),     qRgb(0, 0, 255),
    qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 255, 255), qRgb(255, 255, 255)};

// The grid's own look: the selected row white on a muted ink blue, a shade lighter while another
// control has the keyboard.
constexpr QRgb kHighlight = qRgb(56, 78, 104);
constexpr QRgb kHighlightUnfocused = qRgb(112, 126, 144);
constexpr QRgb kSelectedText = qRgb(255, 255, 255);

// Space kept between a cell's edges and its text: a little on the left so that text does not
// touch the column before, a pixel on the right so that a right-aligned number still ends
// clear of the next column; narrow columns (a year, a role word) keep their room.
constexpr int kCellPaddingLeft = 2;
constexpr int kCellPaddingRight = 1;
constexpr int kDefaultColumnWidth = 64;
// Black, and red where a marked row shows by its colour.
constexpr std::uint32_t kDefaultStyle = CellStyle{.colour = 0, .markedColour = 9}.word();

bool isIconMode(TSPtabmode mode) {
    return mode == TSPtabmode::tmValdIkon || mode == TSPtabmode::tmStruktValdIkon;
}

bool isTreeMode(TSPtabmode mode) {
    return mode == TSPtabmode::tmStrukt || mode == TSPtabmode::tmStruktvald;
}

// The modes in which a marked row is drawn in its alternative colour, selected or not.
bool marksByColour(TSPtabmode mode) {
    return mode == TSPtabmode::tmStandard || mode == TSPtabmode::tmVald || mode == TSPtabmode::tmStruktvald;
}

// What a cell shows of its text: outside the tree modes a text may carry a key after "|" that
// is not shown, and a leading tab right-aligns the rest.
struct ShownPart {
    std::string_view text;
    bool rightAligned = false;
};

ShownPart shownPart(std::string_view text, bool treeMode) {
    if (!treeMode) text = text.substr(0, text.find('|'));
    if (!text.empty() && text.front() == '\t') return {text.substr(1), true};
    return {text, false};
}

QFont styledFont(QFont font, const CellStyle& style) {
    font.setItalic(style.italic);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

}  // namespace

TSPtab::TSPtab(QWidget* parent) : QWidget(parent), columnWidths_(1, kDefaultColumnWidth) {
    setFont(serifFont(11));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    rebuildFonts();
}

void TSPtab::setCellTextProvider(CellTextProvider provider) {
    cellText_ = std::move(provider);
    update();
}

void TSPtab::setCellStyleProvider(CellStyleProvider provider) {
    cellStyle_ = std::move(provider);
    update();
}

void TSPtab::setNodeKindProvider(NodeKindProvider provider) {
    nodeKind_ = std::move(provider);
    update();
}

void TSPtab::setRowUnderlay(RowUnderlay underlay) {
    rowUnderlay_ = std::move(underlay);
    update();
}

void TSPtab::setRowSelectableProvider(RowSelectableProvider provider) {
    rowSelectable_ = std::move(provider);
}

void TSPtab::setRowCount(std::int32_t rows) {
    const std::int32_t before = rowCount_;
    rowCount_ = std::max<std::int32_t>(rows, 0);
    // The rows are announced as replaced before the current row among them.
    announceRows();
    const std::int32_t kept = rowCount_ == 0 ? -1 : selectableFrom(std::clamp(currentRow_, 0, lastRow()), 1);
    changeRows(std::clamp(topRow_, 0, maxTopRow()), kept);
    if (rowCount_ != before) emit rowCountChanged(rowCount_);
}

void TSPtab::setDefaultRowHeight(int pixels) {
    const int before = rowHeight_;
    rowHeight_ = std::max(pixels, 1);
    changeRows(std::min(topRow_, maxTopRow()), currentRow_);
    if (rowHeight_ != before) emit rowHeightChanged(rowHeight_);
}

std::int32_t TSPtab::visibleRowCount() const {
    return std::max(height() / rowHeight_, 1);
}

void TSPtab::setColumnCount(int columns) {
    columnWidths_.resize(static_cast<std::size_t>(std::max(columns, 1)), kDefaultColumnWidth);
    update();
}

int TSPtab::columnWidth(int column) const {
    return column >= 0 && column < columnCount() ? columnWidths_[static_cast<std::size_t>(column)] : 0;
}

void TSPtab::setColumnWidth(int column, int pixels) {
    if (column < 0 || column >= columnCount()) return;
    columnWidths_[static_cast<std::size_t>(column)] = std::max(pixels, 0);
    update();
}

void TSPtab::setTopRow(std::int32_t row) {
    changeRows(std::clamp(row, 0, maxTopRow()), currentRow_);
}

void TSPtab::setCurrentRow(std::int32_t row) {
    if (row < 0 || row > lastRow() || !selectable(row)) return;
    changeRows(topRowShowing(row, topRow_), row);
}

void TSPtab::clearCurrentRow() {
    changeRows(topRow_, -1);
}

void TSPtab::setFontPointSize(int points) {
    QFont changed = font();
    changed.setPointSize(points);
    setFont(changed);
}

void TSPtab::setTabmode(TSPtabmode mode) {
    tabmode_ = mode;
    update();
}

void TSPtab::setTabvaelj(TSPtabvaelj gesture) {
    tabvaelj_ = gesture;
    endGesture();
}

void TSPtab::setFigurer(TSPfigurer* figurer) {
    figurer_ = figurer;
    update();
}

void TSPtab::setValdfigur(std::string name) {
    valdfigur_ = std::move(name);
    update();
}

void TSPtab::setFigurA(std::string name) {
    nodeFigures_[0] = std::move(name);
    update();
}

void TSPtab::setFigurB(std::string name) {
    nodeFigures_[1] = std::move(name);
    update();
}

void TSPtab::setFigurC(std::string name) {
    nodeFigures_[2] = std::move(name);
    update();
}

void TSPtab::setEttindrag(int pixels) {
    ettindrag_ = pixels;
    update();
}

void TSPtab::setBackground(TSPtiler* tiler, std::string tilekod) {
    tiler_ = tiler;
    tilekod_ = std::move(tilekod);
    update();
}

// --- Rows ---------------------------------------------------------------------------------------

std::int32_t TSPtab::maxTopRow() const {
    return std::max(rowCount_ - visibleRowCount(), 0);
}

bool TSPtab::selectable(std::int32_t row) const {
    return !rowSelectable_ || rowSelectable_(row + 1);
}

std::int32_t TSPtab::selectableFrom(std::int32_t row, int step) const {
    for (const int direction : {step, -step}) {
        for (std::int32_t r = row; r >= 0 && r <= lastRow(); r += direction)
            if (selectable(r)) return r;
    }
    return -1;
}

std::int32_t TSPtab::topRowShowing(std::int32_t row, std::int32_t top) const {
    if (row < 0) return std::clamp(top, 0, maxTopRow());
    const std::int32_t visible = visibleRowCount();
    if (row < top) top = row;
    if (row >= top + visible) top = row - visible + 1;
    return std::clamp(top, 0, maxTopRow());
}

void TSPtab::moveTo(std::int32_t row, int step, std::int32_t top) {
    if (rowCount_ == 0) return;
    const std::int32_t target = selectableFrom(std::clamp(row, 0, lastRow()), step);
    if (target < 0) return;
    changeRows(topRowShowing(target, std::clamp(top, 0, maxTopRow())), target);
}

void TSPtab::changeRows(std::int32_t top, std::int32_t current) {
    const bool topChanged = top != topRow_;
    const bool currentChanged = current != currentRow_;
    topRow_ = top;
    currentRow_ = current;
    update();
    if (topChanged) emit topRowChanged(topRow_);
    if (currentChanged) {
        announceCurrentRow();
        emit currentRowChanged(currentRow_);
    }
}

void TSPtab::announceRows() {
    if (!QAccessible::isActive()) return;
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void TSPtab::announceCurrentRow() {
    if (!QAccessible::isActive() || currentRow_ < 0) return;
    // A cell is the grid's child number row × columns + column.
    const int firstCell = currentRow_ * columnCount();
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(firstCell);
    QAccessible::updateAccessibility(&selection);
    if (!hasFocus()) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(firstCell);
    QAccessible::updateAccessibility(&focus);
}

TSPtab::Cell TSPtab::cellAt(QPoint point) const {
    if (point.x() < 0 || point.y() < 0 || point.y() >= height()) return {};
    const std::int32_t row = topRow_ + point.y() / rowHeight_;
    if (row > lastRow()) return {};
    int right = 0;
    for (int column = 0; column < columnCount(); ++column) {
        right += columnWidth(column);
        if (point.x() < right) return {row, column};
    }
    return {};
}

// --- Keyboard, mouse and wheel ------------------------------------------------------------------

void TSPtab::keyPressEvent(QKeyEvent* event) {
    const std::int32_t page = visibleRowCount();
    switch (event->key()) {
        case Qt::Key_Up:
            moveTo(currentRow_ - 1, -1, topRow_);
            break;
        case Qt::Key_Down:
            moveTo(currentRow_ + 1, 1, topRow_);
            break;
        case Qt::Key_PageUp:
            moveTo(currentRow_ - page, -1, topRow_ - page);
            break;
        case Qt::Key_PageDown:
            moveTo(currentRow_ + page, 1, topRow_ + page);
            break;
        case Qt::Key_Home:
            moveTo(0, 1, 0);
            break;
        case Qt::Key_End:
            moveTo(lastRow(), -1, maxTopRow());
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void TSPtab::mousePressEvent(QMouseEvent* event) {
    const Cell cell = cellAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = true;
        if (cell.row >= 0) setCurrentRow(cell.row);
    } else if (event->button() == Qt::RightButton && tabvaelj_ == TSPtabvaelj::tvHdrag) {
        // A press starts a new gesture, even on the cell where a release went astray.
        gesture_ = {};
        gesturePressed_ = true;
        reachGestureCell(cell, true);
    } else {
        QWidget::mousePressEvent(event);
    }
}

void TSPtab::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (gesturePressed_) {
        if (rect().contains(point))
            reachGestureCell(cellAt(point), false);
        else
            gesturePressed_ = false;
    }
    if (leftPressed_) {
        const Cell cell = cellAt(point);
        if (cell.row >= 0) setCurrentRow(cell.row);
    }
}

void TSPtab::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftPressed_ = false;
    if (event->button() == Qt::RightButton) endGesture();
}

// A second click within the double-click time comes as a press followed by a double click; the
// press did a press's work, so a right double click adds nothing.
void TSPtab::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const Cell cell = cellAt(event->position().toPoint());
    if (cell.row < 0) return;
    setCurrentRow(cell.row);
    emit OnDubbelklick(cell.row);
}

void TSPtab::leaveEvent(QEvent* event) {
    gesturePressed_ = false;
    QWidget::leaveEvent(event);
}

void TSPtab::reachGestureCell(Cell cell, bool press) {
    if (cell.row < 0 || (cell.row == gesture_.row && cell.column == gesture_.column)) return;
    gesture_ = cell;
    emit OnVald(cell.row, cell.column, press);
}

void TSPtab::endGesture() {
    gesturePressed_ = false;
    gesture_ = {};
}

void TSPtab::wheelEvent(QWheelEvent* event) {
    if (!mushjul_) {
        event->ignore();
        return;
    }
    // The grid moves the system's lines per whole notch; what makes no notch waits for the next event.
    const std::int32_t notches = wheelNotches_.add(event->angleDelta().y());
    if (notches != 0) setTopRow(topRow_ - notches * QApplication::wheelScrollLines());
    event->accept();
}

// --- Events that change the look ----------------------------------------------------------------

void TSPtab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    changeRows(std::min(topRow_, maxTopRow()), currentRow_);
    emit OnNySize();
}

void TSPtab::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) rebuildFonts();
    QWidget::changeEvent(event);
}

void TSPtab::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TSPtab::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TSPtab::rebuildFonts() {
    fonts_.clear();
    for (int variant = 0; variant < CellStyle::kFontVariants; ++variant) {
        const QFont styled = styledFont(font(), CellStyle::ofFontVariant(variant));
        fonts_.push_back({styled, QFontMetrics(styled, this)});
    }
    update();
}

// --- Painting -----------------------------------------------------------------------------------

void TSPtab::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    paintBackground(painter, dirty);
    const std::int32_t first = topRow_ + dirty.top() / rowHeight_;
    const std::int32_t last = std::min(lastRow(), topRow_ + dirty.bottom() / rowHeight_);
    for (std::int32_t row = first; row <= last; ++row)
        paintRow(painter, row, (row - topRow_) * rowHeight_, dirty);
}

void TSPtab::paintBackground(QPainter& painter, const QRect& rect) const {
    // The picture is the piece of the parent's background that lies behind the grid, so cells
    // continue what surrounds them.
    if (tiler_ && !tilekod_.empty() && tiler_->paintPiece(painter, tilekod_, pos() + rect.topLeft(), rect))
        return;
    painter.fillRect(rect, controlPalette::plainPaper());
}

void TSPtab::paintRow(QPainter& painter, std::int32_t row, int y, const QRect& dirty) {
    const bool selected = row == currentRow_;
    int width = 0;
    for (const int columnWidth : columnWidths_) width += columnWidth;
    const QRect line(0, y, width, rowHeight_);
    if (selected)
        painter.fillRect(line.intersected(dirty), QColor(hasFocus() ? kHighlight : kHighlightUnfocused));
    if (rowUnderlay_ && isEnabled() && line.intersects(dirty)) {
        painter.save();
        painter.setClipRect(line.intersected(dirty));
        rowUnderlay_(painter, row + 1, line, selected);
        painter.restore();
    }
    int x = 0;
    for (int column = 0; column < columnCount() && x <= dirty.right(); ++column) {
        const QRect cell(x, y, columnWidth(column), rowHeight_);
        x += cell.width();
        if (cell.intersects(dirty) && isEnabled()) paintCellContent(painter, row, column, cell, selected);
    }
}

std::string TSPtab::cellText(std::int32_t row, int column) const {
    return cellText_ ? cellText_(row + 1, column + 1) : std::to_string(row + 1);
}

QString TSPtab::shownText(std::int32_t row, int column) const {
    return toQString(shownPart(cellText(row, column), isTreeMode(tabmode_)).text);
}

QRect TSPtab::cellRect(std::int32_t row, int column) const {
    int x = 0;
    for (int before = 0; before < column; ++before) x += columnWidth(before);
    return {x, (row - topRow_) * rowHeight_, columnWidth(column), rowHeight_};
}

std::uint32_t TSPtab::cellStyle(std::int32_t row, int column) const {
    return cellStyle_ ? cellStyle_(row + 1, column + 1) : kDefaultStyle;
}

const std::string& TSPtab::iconName(std::int32_t row, int column, bool marked) const {
    static const std::string none;
    if (isIconMode(tabmode_)) return marked ? valdfigur_ : none;
    if (!isTreeMode(tabmode_)) return none;
    const int kind = nodeKind_ ? nodeKind_(row + 1, column + 1) : 0;
    return kind >= 0 && kind < 3 ? nodeFigures_[static_cast<std::size_t>(kind)] : none;
}

int TSPtab::paintIcon(QPainter& painter, const std::string& icon, int x, const QRect& cell) const {
    if (!figurer_ || icon.empty()) return -1;
    const int index = figurer_->hamtafigur(icon);
    const std::optional<QSize> size = figurer_->figurstorlek(index);
    if (!size) return -1;
    figurer_->ritafigur(index, painter, x, cell.top() + (cell.height() - size->height()) / 2);
    return size->width();
}

void TSPtab::paintCellContent(QPainter& painter, std::int32_t row, int column, const QRect& cell,
                              bool selected) const {
    const CellStyle style = CellStyle::of(cellStyle(row, column));
    const std::string text = cellText(row, column);
    const StyledFont& font = fonts_[static_cast<std::size_t>(style.fontVariant())];
    const auto [part, rightAligned] = shownPart(text, isTreeMode(tabmode_));
    const QString shown = toQString(part);

    const int textWidth = font.metrics.horizontalAdvance(shown);
    const QRect area = cell.adjusted(kCellPaddingLeft, 0, -kCellPaddingRight, 0);
    int indent = 0;
    if (rightAligned)
        indent = std::max(area.width() - textWidth, 0);
    else if (column == 0)
        indent = style.indent * ettindrag_;

    int textLeft = area.left() + indent;
    if (column == 0) {
        const std::string& icon = iconName(row, column, style.marked);
        if (isIconMode(tabmode_)) {
            paintIcon(painter, icon, area.left(), cell);
        } else if (const int width = paintIcon(painter, icon, textLeft + 1, cell); width >= 0) {
            textLeft += width + 2;
        }
    }

    const int available = area.right() + 1 - textLeft;
    if (available <= 0 || shown.isEmpty()) return;
    QRgb colour = kColourTable[static_cast<std::size_t>(style.colour)];
    if (style.marked && marksByColour(tabmode_))
        colour = kColourTable[static_cast<std::size_t>(style.markedColour)];
    else if (selected)
        colour = kSelectedText;
    painter.setFont(font.font);
    painter.setPen(QColor(colour));
    // One line, centred vertically on the cell; a text too wide ends in an ellipsis.
    const int baseline = cell.top() + (cell.height() - font.metrics.height()) / 2 + font.metrics.ascent();
    painter.drawText(
        textLeft, baseline,
        textWidth <= available ? shown : font.metrics.elidedText(shown, Qt::ElideRight, available));
}

}  // namespace tessla
