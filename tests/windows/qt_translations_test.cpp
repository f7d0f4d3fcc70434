// Qt's own dialogs follow the program's language: Swedish while it speaks Swedish, the program's
// own Swedish before the system's, Qt's English after the switch. And the dialogs the program
// shows (the file dialog with its overwrite question, a message box, the print dialog) hold no
// text of ours left English, with screenshots in screenshots/dialogs.

#include "program/qt_translations.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <functional>

#include "program/program.h"
#include "support/screenshots.h"
#include "windows/window_controls.h"

namespace tessla {
namespace {

QString translated(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

TEST(QtTranslations, QtsTextsFollowTheLanguageSwitchWithTheProgramsOwnFirst) {
    struct Text {
        const char* context;
        const char* source;
        const char* swedish;
    };
    // The standard buttons and the file dialog's side bar, which the system's file leaves
    // English, and a text both translate, where the program's own wins.
    const Text texts[] = {{"QPlatformTheme", "&Yes", "&Ja"},
                          {"QPlatformTheme", "&No", "&Nej"},
                          {"QFileSystemModel", "Computer", "Dator"},
                          {"QFileDialog", "Parent Directory", "Överordnad mapp"}};
    const auto expectAll = [&](bool swedish, const char* when) {
        for (const Text& text : texts) {
            EXPECT_EQ(translated(text.context, text.source),
                      QString::fromUtf8(swedish ? text.swedish : text.source))
                << text.source << " " << when;
        }
    };
    Program program;
    {
        const QtTranslations translations(program);
        ASSERT_TRUE(translations.hasSystemSwedish())
            << "qt_sv.qm missing in " << QtTranslations::systemDirectory().toStdString();
        expectAll(true, "at start");
        program.setLanguage(Language::English);
        expectAll(false, "in English");
        program.setLanguage(Language::Swedish);
        expectAll(true, "back in Swedish");
    }
    expectAll(false, "once the translations are gone");

    const QtTranslations ownOnly(program, QStringLiteral("/nonexistent"));
    EXPECT_FALSE(ownOnly.hasSystemSwedish());
    expectAll(true, "without the system's file");
}

// ---- the dialogs ------------------------------------------------------------------------------------

// The source texts of the program's own Swedish for Qt whose Swedish differs, without the
// accelerator marks (a screen reader hears a button without them).
QSet<QString> englishSources() {
    QFile file(QStringLiteral(TESSLA_SOURCE_DIR "/data/translations/tessla_qt_sv.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QSet<QString> sources;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QStringLiteral("source")) source = xml.readElementText().remove('&');
        if (xml.name() == QStringLiteral("translation") && xml.readElementText().remove('&') != source)
            sources.insert(source);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return sources;
}

// What a screen reader hears of every shown control and item under `node`.
void heardNames(QAccessibleInterface* node, QStringList& names) {
    if (node == nullptr || node->state().invisible) return;
    names << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) heardNames(node->child(i), names);
}

class DialogLanguageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QDir(shots()).removeRecursively();
        QDir().mkpath(shots());
    }
    void SetUp() override { QAccessible::setActive(true); }
    static QString shots() { return QStringLiteral(TESSLA_BINARY_DIR "/screenshots/dialogs"); }

    // When the next modal window other than `except` shows: checks and saves it as `name`, then
    // runs `answer` on it.
    void atNextModal(const QString& name, std::function<void(QWidget&)> answer, QWidget* except = nullptr) {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [=, this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal == except || !modal->isVisible()) return;
            timer->stop();
            timer->deleteLater();
            QCoreApplication::processEvents();
            expectSwedish(*modal, name);
            test::saveShots(*modal, shots(), name);
            ++shown_;
            answer(*modal);
        });
        timer->start(50);
    }

    void expectSwedish(QWidget& window, const QString& name) {
        QStringList names;
        heardNames(QAccessible::queryAccessibleInterface(&window), names);
        EXPECT_GT(names.size(), 3) << name.toStdString();
        for (const QString& heard : names)
            EXPECT_FALSE(english_.contains(heard))
                << name.toStdString() << " says \"" << heard.toStdString() << '"';
    }

    const QSet<QString> english_ = englishSources();
    Program program_;
    const QtTranslations translations_{program_};
    QWidget owner_;
    int shown_ = 0;
};

TEST_F(DialogLanguageTest, TheFileDialogAndItsOverwriteQuestionAreSwedish) {
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("tessla.pdf"));
    QFile(existing).open(QIODevice::WriteOnly);
    atNextModal(QStringLiteral("file_dialog_sv"), [&](QWidget& dialog) {
        // Save over the file there: the question whether to replace it.
        atNextModal(
            QStringLiteral("overwrite_question_sv"),
            [](QWidget& question) { static_cast<QDialog&>(question).reject(); }, &dialog);
        static_cast<QDialog&>(dialog).accept();  // the file dialog's own accept
        QTimer::singleShot(0, &dialog, [&dialog] { static_cast<QDialog&>(dialog).reject(); });
    });
    EXPECT_TRUE(askSaveFile(owner_, Language::Swedish, QStringLiteral("Spara utskriften som PDF"), existing,
                            {QStringLiteral("PDF (*.pdf)")})
                    .isEmpty());
    EXPECT_EQ(shown_, 2);
}

TEST_F(DialogLanguageTest, AMessageBoxAndThePrintDialogAreSwedish) {
    atNextModal(QStringLiteral("message_box_sv"), [](QWidget& box) { static_cast<QDialog&>(box).reject(); });
    QMessageBox::question(&owner_, QStringLiteral("Tessla"), QStringLiteral("Spara listan ändå?"),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QPrinter printer;
    QPrintDialog print(&printer, &owner_);
    atNextModal(QStringLiteral("print_dialog_sv"),
                [](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    print.exec();
    EXPECT_EQ(shown_, 2);
}

}  // namespace
}  // namespace tessla
