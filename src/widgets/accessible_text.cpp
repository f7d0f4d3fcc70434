#include "widgets/accessible_text.h"

#include "skin/qt_text.h"
#include "widgets/text_view.h"

namespace tessla {

// ---- the view ------------------------------------------------------------------------------------

AccessibleTextView::AccessibleTextView(TSPdyntex* view) : QAccessibleWidget(view, QAccessible::Document) {}

AccessibleTextView::~AccessibleTextView() {
    for (const auto& [index, id] : links_) QAccessible::deleteAccessibleInterface(id);
}

TSPdyntex& AccessibleTextView::view() const {
    return *static_cast<TSPdyntex*>(widget());
}

void AccessibleTextView::forgetStaleLinks() const {
    if (linksGeneration_ == view().textGeneration()) return;
    for (const auto& [index, id] : links_) QAccessible::deleteAccessibleInterface(id);
    links_.clear();
    linksGeneration_ = view().textGeneration();
}

int AccessibleTextView::childCount() const {
    return view().linkCount();
}

QAccessibleInterface* AccessibleTextView::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    forgetStaleLinks();
    const auto found = links_.find(index);
    if (found != links_.end()) return QAccessible::accessibleInterface(found->second);
    auto* link = new AccessibleLink(&view(), index);
    links_.emplace(index, QAccessible::registerAccessibleInterface(link));
    return link;
}

int AccessibleTextView::indexOfChild(const QAccessibleInterface* child) const {
    const auto* link = dynamic_cast<const AccessibleLink*>(child);
    return link != nullptr && link->isValid() && link->parent() == this ? link->index() : -1;
}

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

// ---- a link --------------------------------------------------------------------------------------

AccessibleLink::AccessibleLink(TSPdyntex* view, int index)
    : view_(view), index_(index), generation_(view->textGeneration()) {}

bool AccessibleLink::isValid() const {
    return view_ != nullptr && view_->textGeneration() == generation_ && index_ < view_->linkCount();
}

QWindow* AccessibleLink::window() const {
    return view_ != nullptr ? view_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleLink::parent() const {
    return QAccessible::queryAccessibleInterface(view_.data());
}

QString AccessibleLink::text(QAccessible::Text type) const {
    if (type != QAccessible::Name || !isValid()) return {};
    return view_->linkText(index_);
}

QRect AccessibleLink::rect() const {
    return view_ != nullptr ? QRect(view_->mapToGlobal(QPoint(0, 0)), view_->size()) : QRect();
}

QAccessible::State AccessibleLink::state() const {
    QAccessible::State state;
    state.invalid = !isValid();
    state.linked = true;
    return state;
}

void* AccessibleLink::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList AccessibleLink::actionNames() const {
    return {pressAction()};
}

void AccessibleLink::doAction(const QString& actionName) {
    if (actionName != pressAction() || !isValid()) return;
    QMetaObject::invokeMethod(
        view_.data(),
        [view = view_, index = index_, generation = generation_] {
            if (view != nullptr && view->textGeneration() == generation) view->followLink(index);
        },
        Qt::QueuedConnection);
}

}  // namespace tessla
