#pragma once

// What a screen reader hears of a window: its accessible tree walked through every shown control.

#include <map>
#include <string>
#include <vector>

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace tessla::test {

// What a screen reader hears of a control.
struct Heard {
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
};

// Walks the accessible tree from `node` through every shown control, noting what is heard of
// each by object name (a table's cells are its own matter) and, as faults, every control without
// a role or, outside the panels that only hold controls, without a name.
inline void listen(QAccessibleInterface* node, std::map<QString, Heard>& heard,
                   std::vector<std::string>& faults) {
    auto* widget = qobject_cast<QWidget*>(node->object());
    if (widget == nullptr || !widget->isVisible()) return;
    const QString object =
        widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
    const Heard said{node->role(), node->text(QAccessible::Name)};
    heard[object] = said;
    if (said.role == QAccessible::NoRole || said.role == QAccessible::Client)
        faults.push_back(object.toStdString() + " has no role");
    if (said.role != QAccessible::Pane && said.name.isEmpty())
        faults.push_back(object.toStdString() + " has no name");
    if (said.role == QAccessible::Table) return;
    for (int i = 0; i < node->childCount(); ++i) listen(node->child(i), heard, faults);
}

// The same from a window: what is heard by object name; the faults are added to `faults`.
inline std::map<QString, Heard> listenTo(QWidget& window, std::vector<std::string>& faults) {
    std::map<QString, Heard> heard;
    listen(QAccessible::queryAccessibleInterface(&window), heard, faults);
    return heard;
}

}  // namespace tessla::test
