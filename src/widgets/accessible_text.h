#pragma once

// What a screen reader learns of the text view: a read-only document whose text is the laid-out
// text without its codes, one line feed per laid-out line, with the text's links as its children,
// each a link named by its words that is followed by its press action. Links are made only when a
// client asks for them, and are forgotten when the view gets another text.

#include <map>

#include <QAccessibleWidget>
#include <QPointer>

namespace tessla {

class TSPdyntex;

class AccessibleTextView : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleTextView(TSPdyntex* view);
    ~AccessibleTextView() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

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
    TSPdyntex& view() const;
    // Forgets the links made for an earlier text.
    void forgetStaleLinks() const;

    mutable std::map<int, QAccessible::Id> links_;
    mutable int linksGeneration_ = -1;
};

// One link of a text view's text.
class AccessibleLink : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    AccessibleLink(TSPdyntex* view, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    // Follows the link once the event loop is back, so that an assistive client's call returns
    // before a window the link opens or closes does.
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int index() const { return index_; }

  private:
    QPointer<TSPdyntex> view_;
    int index_;
    int generation_;
};

}  // namespace tessla
