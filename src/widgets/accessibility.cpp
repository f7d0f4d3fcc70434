#include "widgets/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "skin/accessible_controls.h"
#include "skin/background_panel.h"
#include "skin/picture_button.h"
#include "skin/scroll_bar.h"
#include "widgets/accessible_grid.h"
#include "widgets/accessible_text.h"
#include "widgets/chart_view.h"
#include "widgets/table_grid.h"
#include "widgets/text_view.h"

namespace tessla {

namespace {

// Whether `className` names the class `Widget`, which must declare Q_OBJECT to have a name of its
// own.
template <class Widget>
bool is(const QString& className) {
    return className == QLatin1StringView(Widget::staticMetaObject.className());
}

// Asked with the class names of an object from its own up to QObject's; the first answer counts.
QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (is<TSPknapp>(className)) return new AccessibleButton(static_cast<TSPknapp*>(widget));
    if (is<Tspecscr>(className)) return new AccessibleScrollBar(static_cast<Tspecscr*>(widget));
    if (is<TSPtab>(className)) return new AccessibleGrid(static_cast<TSPtab*>(widget));
    if (is<TSPdyntex>(className)) return new AccessibleTextView(static_cast<TSPdyntex*>(widget));
    // A chart is a picture, named by its accessible name and described by what it shows.
    if (is<ChartView>(className)) return new QAccessibleWidget(widget, QAccessible::Chart);
    // A panel holds controls and says nothing itself.
    if (is<BackgroundPanel>(className)) return new QAccessibleWidget(widget, QAccessible::Pane);
    // A window made from a plain widget is a window, named by its title; a named plain widget
    // inside one is a group of the controls it holds.
    if (is<QWidget>(className) && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (is<QWidget>(className) && !widget->accessibleName().isEmpty())
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    QAccessible::installFactory(makeInterface);
}

}  // namespace tessla
