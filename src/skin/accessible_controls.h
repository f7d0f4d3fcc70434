#pragma once

// What a screen reader or another assistive client learns of the skin's controls and may do with
// them. The interfaces are made by the program's accessibility factory only when a client asks.

#include <QAccessibleWidget>

namespace tessla {

class TSPknapp;
class Tspecscr;

// The picture button: a push button, a check button (one that stays down) or a radio button,
// named by its caption, its accessible text or its hint; pressed or checked as it is down; its
// press (and for a check or radio button its toggle) does what a click does.
class AccessibleButton : public QAccessibleWidget {
  public:
    explicit AccessibleButton(TSPknapp* button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

  private:
    TSPknapp& button() const;
    bool checkable() const;
};

// The scroll bar with its position as the value between its min and max; setting the value moves
// the bar as the program would.
class AccessibleScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleScrollBar(Tspecscr* bar);

    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

  private:
    Tspecscr& bar() const;
};

}  // namespace tessla
