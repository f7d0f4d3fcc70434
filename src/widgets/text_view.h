#pragma once

// The text view `TSPdyntex`: shows a coded text (the person text of the main window, the help and
// about texts) laid out by TSPkodtxt, over a piece of a background picture that continues the
// parent's, scrolled by pixels from an outside scroll bar, and reports the link clicked.
//
// The text is laid out once per new text and per resize, never per paint. Background and text are
// painted straight onto the widget: Qt double-buffers it at the screen's pixel ratio, so scrolling
// does not flicker and text stays sharp on dense screens. An empty text paints nothing, so the
// parent's background shows. Over a link the pointer becomes the pointing hand.

#include <string>
#include <string_view>

#include <QWidget>

#include "storage/coded_text.h"
#include "widgets/qt_canvas.h"

namespace tessla {

class TSPtiler;

class TSPdyntex : public QWidget {
    Q_OBJECT

  public:
    explicit TSPdyntex(QWidget* parent = nullptr);

    // Copies the text (Windows-1252), lays it out, returns the offset to 0 and repaints.
    void setText(std::string_view cp1252);
    // Lays the text out again for the current size; the offset stays, kept within the text.
    // Resizing lays out by itself.
    void relayout();

    // The y of the laid-out text shown at the top: scroll bar position p gives offset p − 1, the
    // bar running to contentHeight() − height() + 1.
    int verticalOffset() const { return kodtxt_.verticalOffset(); }
    void setVerticalOffset(int pixels);
    int contentHeight() const { return kodtxt_.totalHeight(); }
    // The link under the pointer at the last button press; empty when there was none. Read it in
    // the OnClick handler.
    const std::string& clickedLink() const { return clickedLink_; }

    // The background: the picture `tilekod` of `tiler` (which must outlive the view), its piece at
    // the view's position within the parent, so that it continues the parent's background. Without
    // one the text is drawn straight onto the parent's background.
    void setBackground(TSPtiler* tiler, std::string tilekod);
    // A black frame of one pixel around the view.
    void setVisaruta(bool visaruta);
    // The vertical mode of the layout (0 top and scrolled, 1 centred, 2 at the bottom).
    void setVertmode(int mode);

    // The laid-out text without its codes, as a screen reader reads it.
    QString plainText() const;
    // The links of the text: how many, the words of link `index` as laid out, and following it as
    // a click on it does (clickedLink() then holds its target and OnClick is signalled).
    int linkCount() const { return static_cast<int>(kodtxt_.links().size()); }
    QString linkText(int index) const;
    void followLink(int index);
    // Counts the texts set, so that what was made for one text is known to be stale in the next.
    int textGeneration() const { return textGeneration_; }

    // The keyboard: the view takes the focus by Tab; Tab and Shift+Tab then go from link to link
    // (the focused one framed and brought into view) and on to the next control after the last,
    // Enter or Space follows the focused link, and the arrow, page, Home and End keys scroll.
    void setKeyboardLinks(bool on);
    // The focused link, -1 when none.
    int focusedLink() const { return focusedLink_; }

    // The layout shown: runs, links, marks and line tops in view coordinates at offset 0.
    const TSPkodtxt& kodtxt() const { return kodtxt_; }

  signals:
    // A left click; clickedLink() holds the link under it.
    void OnClick();
    // The keyboard moved the text to `offset`; an outside scroll bar follows it.
    void scrolledByKeys(int offset);
    // The text was laid out anew (a new text, a new size, `relayout`): its height may have changed.
    void laidOut();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void layOut();
    // Tells an assistive client that the text changed from `before`.
    void announceText(const QString& before);
    void drawText(QPainter& painter);
    void drawFocusedLink(QPainter& painter);
    // Focuses link `index` (-1: none) and scrolls it into view.
    void focusLink(int index);
    // Moves the text to `offset`, kept within it, and says so.
    void scrollByKeys(int offset);

    TSPkodtxt kodtxt_;
    QtTextCanvas canvas_;
    std::string clickedLink_;
    TSPtiler* tiler_ = nullptr;
    std::string tilekod_;
    bool visaruta_ = false;
    int textGeneration_ = 0;
    bool keyboardLinks_ = false;
    int focusedLink_ = -1;
};

}  // namespace tessla
