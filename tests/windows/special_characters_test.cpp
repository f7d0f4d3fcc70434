#include "windows/special_characters.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "skin/picture_button.h"

namespace tessla {
namespace {

TEST(SpecialCharactersTest, ShownInEnglishOnlyAndInsertAtTheCursorOfTheFocusedField) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    auto* characters = new SpecialCharacters(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(characters);
    window.show();
    QApplication::setActiveWindow(&window);

    characters->applyTexts(Language::Swedish);
    EXPECT_FALSE(characters->isVisible());
    characters->applyTexts(Language::English);
    ASSERT_TRUE(characters->isVisible());

    QApplication::clipboard()->setText(QStringLiteral("the user's own"));
    second->setText(QStringLiteral("Mller"));
    second->setCursorPosition(1);
    second->setFocus();
    QTRY_VERIFY(second->hasFocus());
    auto* u = characters->findChild<TSPknapp*>(QString::fromUtf8("tecken_ü"));
    ASSERT_NE(u, nullptr);
    QTest::mouseClick(u, Qt::LeftButton);
    EXPECT_EQ(second->text(), QString::fromUtf8("Müller"));
    EXPECT_TRUE(second->hasFocus());
    EXPECT_EQ(first->text(), QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("the user's own"));

    // Into a disabled field (a field in list mode) nothing goes.
    second->setEnabled(false);
    first->setFocus();
    first->setEnabled(false);
    characters->findChild<TSPknapp*>(QString::fromUtf8("tecken_å"))->click();
    EXPECT_EQ(first->text(), QString());
}

}  // namespace
}  // namespace tessla
