#pragma once

// The main window's large buttons along its bottom, made from the table of main buttons, and the
// help button and language flags at its top right. A button whose window does not exist yet stays
// disabled; pressing one reports its action.

#include <functional>
#include <map>
#include <vector>

#include <QPointer>

#include "view/main_buttons.h"

class QDialog;
class QWidget;

namespace tessla {

class Program;
class TSPknapp;

class ButtonBar {
  public:
    ButtonBar(QWidget& parent, Program& program, std::function<void(MainAction)> pressed);

    // The window `action` opens (not owned; null: none yet).
    void setWindow(MainAction action, QDialog* window);
    QDialog* window(MainAction action) const;

    void place(int width, int height, Language language);
    // The buttons of `language` shown, the flags down and up, the hints and the names a screen
    // reader says.
    void applyTexts(Language language);
    // Raises the toggle of `action` (help, a logo) when its window has closed.
    void release(MainAction action);
    // Enables each button by its rule for a result list of `results` persons.
    void enable(std::int32_t results);

  private:
    struct Button {
        const MainButtonRow* row;
        TSPknapp* widget;
        bool english;
    };

    void makeFlagsAndHelp(QWidget& parent);

    Program& program_;
    std::function<void(MainAction)> pressed_;
    std::vector<Button> buttons_;
    std::map<MainAction, QPointer<QDialog>> windows_;
    TSPknapp *helpknapp_ = nullptr, *swedish_ = nullptr, *english_ = nullptr;
    std::int32_t results_ = 0;
};

}  // namespace tessla
