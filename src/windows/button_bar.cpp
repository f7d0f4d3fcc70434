#include "windows/button_bar.h"

#include <string>
#include <utility>

#include <QDialog>

#include "program/program.h"
#include "skin/picture_button.h"
#include "windows/window_controls.h"

namespace tessla {

namespace pic = picture;

ButtonBar::ButtonBar(QWidget& parent, Program& program, std::function<void(MainAction)> pressed)
    : program_(program), pressed_(std::move(pressed)) {
    for (const MainButtonRow& row : mainButtons()) {
        for (const bool english : {false, true}) {
            if (english && row.english.empty()) continue;
            const std::string name = std::string(row.name) + (english ? "_e" : "");
            TSPknapp* button =
                makePictureButton(&parent, name, english ? row.english : row.swedish, program.mainfigur());
            button->setStaydown(row.staydown);
            QObject::connect(button, &TSPknapp::OnTryckt, button,
                             [this, action = row.action] { pressed_(action); });
            buttons_.push_back({&row, button, english});
        }
    }
    makeFlagsAndHelp(parent);
    enable(0);
}

void ButtonBar::makeFlagsAndHelp(QWidget& parent) {
    TSPfigurer& figures = program_.mainfigur();
    helpknapp_ = makePictureButton(&parent, "fragaknapp", {pic::hjelpl01, pic::hjelpl02}, figures);
    helpknapp_->setStaydown(true);
    QObject::connect(helpknapp_, &TSPknapp::OnTryckt, helpknapp_, [this] { pressed_(MainAction::help); });
    swedish_ = makePictureButton(&parent, "sveknapp", {pic::flaggasv, pic::flaggasvn}, figures);
    english_ = makePictureButton(&parent, "usknapp", {pic::flaggaen, pic::flaggaenn}, figures);
    // The flags are a pair: pressing one releases the other.
    for (TSPknapp* flag : {swedish_, english_}) {
        flag->setRadio(true);
        flag->setKopplatag(true);
        flag->setTag(1);
    }
    swedish_->setHint(QStringLiteral("Svenska"));
    english_->setHint(QStringLiteral("English"));
    QObject::connect(swedish_, &TSPknapp::OnTryckt, swedish_,
                     [this] { program_.setLanguage(Language::Swedish); });
    QObject::connect(english_, &TSPknapp::OnTryckt, english_,
                     [this] { program_.setLanguage(Language::English); });
}

void ButtonBar::setWindow(MainAction action, QDialog* window) {
    windows_[action] = window;
    enable(results_);
}

QDialog* ButtonBar::window(MainAction action) const {
    const auto found = windows_.find(action);
    return found == windows_.end() ? nullptr : found->second.data();
}

void ButtonBar::place(int width, int height, Language language) {
    for (const Button& button : buttons_) {
        const QSize size(button.row->size.width, button.row->size.height);
        const int x = mainButtonX(*button.row, language, width);
        if (x != kHidden)
            button.widget->setGeometry(QRect(QPoint(x, height - kMainButtonEdge - size.height()), size));
    }
    const QSize help(pic::helpButtonSize.width, pic::helpButtonSize.height);
    const QSize flag(pic::flagSize.width, pic::flagSize.height);
    helpknapp_->setGeometry(QRect(QPoint(width - 2 - help.width(), kMainButtonEdge), help));
    const int flagY = kMainButtonEdge + (help.height() - flag.height()) / 2;
    english_->setGeometry(QRect(QPoint(helpknapp_->x() - 5 - flag.width(), flagY), flag));
    swedish_->setGeometry(QRect(QPoint(english_->x() - 5 - flag.width(), flagY), flag));
}

void ButtonBar::applyTexts(Language language) {
    const std::int32_t printLimit = program_.configuration().printLimit;
    for (const Button& button : buttons_) {
        button.widget->setVisible(mainButtonShown(*button.row, language, button.english, printLimit));
        const auto& hint = button.row->hint;
        if (hint.swedish != nullptr) setHint(*button.widget, language, hint.swedish, hint.english);
        const auto& spoken = button.row->spoken;
        if (spoken.swedish != nullptr)
            button.widget->setAccessibleText(inLanguage(language, spoken.swedish, spoken.english));
    }
    setHint(*helpknapp_, language, "Hjälp", "Help");
    swedish_->setDown(language == Language::Swedish);
    english_->setDown(language == Language::English);
}

void ButtonBar::release(MainAction action) {
    if (action == MainAction::help) helpknapp_->setDown(false);
    for (const Button& button : buttons_) {
        if (button.row->action == action) button.widget->setDown(false);
    }
}

void ButtonBar::enable(std::int32_t results) {
    results_ = results;
    for (const Button& button : buttons_) {
        const MainAction action = button.row->action;
        button.widget->setEnabled(mainButtonEnabled(*button.row, window(action) != nullptr, results));
    }
    helpknapp_->setEnabled(mainActionAllowed(MainAction::help, window(MainAction::help) != nullptr, results,
                                             program_.configuration().printLimit));
}

}  // namespace tessla
