#include "widgets/accessible_text.h"

#include "skin/qt_text.h"
#include "widgets/text_view.h"

namespace tessla {

AccessibleTextView::AccessibleTextView(TSPdyntex* view) : QAccessibleWidget(view, QAccessible::Document) {}

void* AccessibleTextView::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State AccessibleTextView::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
}

QString AccessibleTextView::plainText() const {
    return static_cast<const TSPdyntex*>(widget())->plainText();
}

void AccessibleTextView::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleTextView::text(int startOffset, int endOffset) const {
    return plainText().mid(startOffset, endOffset - startOffset);
}

int AccessibleTextView::characterCount() const {
    return static_cast<int>(plainText().size());
}

QString AccessibleTextView::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

}  // namespace tessla
