// Qt's own dialogs follow the program's language: Qt's Swedish texts while it speaks Swedish,
// Qt's English ones after the switch, and English throughout without the translation file.

#include "program/qt_translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "program/program.h"

namespace tessla {
namespace {

// The Cancel button of Qt's progress dialog, as Qt's texts give it now.
QString cancelText() {
    return QCoreApplication::translate("QProgressDialog", "Cancel");
}

TEST(QtTranslations, QtsTextsFollowTheLanguageSwitch) {
    Program program;
    {
        const QtTranslations translations(program);
        ASSERT_TRUE(translations.hasSwedish()) << "qt_sv.qm missing in " << QtTranslations::systemDirectory().toStdString();
        EXPECT_EQ(cancelText(), QStringLiteral("Avbryt"));
        program.setLanguage(Language::English);
        EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
        program.setLanguage(Language::Swedish);
        EXPECT_EQ(cancelText(), QStringLiteral("Avbryt"));
    }
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));  // removed with the program's translations

    const QtTranslations none(program, QStringLiteral("/nonexistent"));
    EXPECT_FALSE(none.hasSwedish());
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace tessla
