#include "skin/accessible_controls.h"

#include <QPointer>

#include "skin/picture_button.h"
#include "skin/scroll_bar.h"

namespace tessla {

// ---- picture button ------------------------------------------------------------------------------

AccessibleButton::AccessibleButton(TSPknapp* button) : QAccessibleWidget(button, QAccessible::PushButton) {}

TSPknapp& AccessibleButton::button() const {
    return *static_cast<TSPknapp*>(widget());
}

bool AccessibleButton::checkable() const {
    return button().staydown() || button().radio();
}

QAccessible::Role AccessibleButton::role() const {
    if (button().radio()) return QAccessible::RadioButton;
    return button().staydown() ? QAccessible::CheckBox : QAccessible::PushButton;
}

QAccessible::State AccessibleButton::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (checkable()) {
        state.checkable = true;
        state.checked = button().down();
    } else {
        state.pressed = button().down();
    }
    return state;
}

QStringList AccessibleButton::actionNames() const {
    QStringList names;
    if (button().isEnabled()) {
        names << pressAction();
        if (checkable()) names << toggleAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void AccessibleButton::doAction(const QString& actionName) {
    if (actionName == pressAction() || (checkable() && actionName == toggleAction())) {
        // Pressed once the event loop is back: a button that opens a modal window must not hold
        // the assistive client's call until that window closes.
        QMetaObject::invokeMethod(
            widget(),
            [button = QPointer<TSPknapp>(&button())] {
                if (button != nullptr) button->click();
            },
            Qt::QueuedConnection);
    } else {
        QAccessibleWidget::doAction(actionName);
    }
}

QStringList AccessibleButton::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction()) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

// ---- scroll bar ----------------------------------------------------------------------------------

AccessibleScrollBar::AccessibleScrollBar(Tspecscr* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

Tspecscr& AccessibleScrollBar::bar() const {
    return *static_cast<Tspecscr*>(widget());
}

void* AccessibleScrollBar::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant AccessibleScrollBar::currentValue() const {
    return bar().position();
}

void AccessibleScrollBar::setCurrentValue(const QVariant& value) {
    bar().setPosition(value.toInt());
}

QVariant AccessibleScrollBar::maximumValue() const {
    return bar().max();
}

QVariant AccessibleScrollBar::minimumValue() const {
    return bar().min();
}

QVariant AccessibleScrollBar::minimumStepSize() const {
    return bar().smallch();
}

}  // namespace tessla
