#pragma once

// What a screen reader learns of the text view: a read-only document whose text is the laid-out
// text without its codes, one line feed per laid-out line.

#include <QAccessibleWidget>

namespace tessla {

class TSPdyntex;

class AccessibleTextView : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleTextView(TSPdyntex* view);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    // Nothing can be selected, and there is no caret; the reading position stays at the start.
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    // Characters are not located on the screen.
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // The whole text has one set of attributes: none.
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    QString plainText() const;
};

}  // namespace tessla
