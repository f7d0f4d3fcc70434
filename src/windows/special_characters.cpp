#include "windows/special_characters.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "skin/fonts.h"
#include "skin/picture_button.h"
#include "skin/qt_text.h"

namespace tessla {

namespace {

constexpr int kButtonSide = 22;

// The line edit that has the focus, if any.
QLineEdit* focusedEdit() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

}  // namespace

SpecialCharacters::SpecialCharacters(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
    setObjectName(QStringLiteral("specialCharacters"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    label_->setFont(serifFont(10));
    label_->setText(QStringLiteral("Insert character"));
    // A screen reader hears the buttons as a group of that name.
    setAccessibleName(label_->text());
    row->addWidget(label_);
    row->addSpacing(3);
    for (const char* utf8 : {"å", "ä", "ö", "ü"}) {
        const QString character = QString::fromUtf8(utf8);
        auto* button = new TSPknapp(this);
        button->setObjectName(QStringLiteral("tecken_") + character);
        button->setKnapptyp(TSPknapptyp::kntRuta);
        button->setButtext(toCp1252(character).value_or(std::string()));
        button->setFont(serifFont(11));
        button->setFixedSize(kButtonSide, kButtonSide);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAccessibleText(QStringLiteral("Insert ") + character);
        connect(button, &TSPknapp::OnTryckt, this, [character] {
            if (QLineEdit* edit = focusedEdit();
                edit != nullptr && edit->isEnabled() && !edit->isReadOnly()) {
                edit->insert(character);
            }
        });
        row->addWidget(button);
    }
    row->addStretch();
}

void SpecialCharacters::applyTexts(Language language) {
    setVisible(language == Language::English);
}

}  // namespace tessla
