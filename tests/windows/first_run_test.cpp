// The first run without a database: the sample built under a progress dialog (cancelled: nothing
// left, nothing written), a chosen database folder (refused when too long or not a database), and
// the user's own configuration file as the only file written; the dialogs' screenshots.

#include "windows/first_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include "../storage/temp_dir.h"
#include "program/program.h"
#include "windows/main_window.h"

namespace tessla {
namespace {

namespace fs = std::filesystem;

class FirstRunTest : public ::testing::Test {
  protected:
    FirstRunTest() {
        places_.userFile = dir_.path() + "config/tessla/tessla.ini";
        places_.sampleDirectory = dir_.path() + "data/tessla/sample/";
        places_.skinDirectory = TESSLA_SKIN_DIR;
        places_.samplePersons = 300;
    }

    // Every file under the temporary directory, relative to it.
    std::vector<std::string> files() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(dir_.path())) {
            if (entry.is_regular_file()) found.push_back(fs::relative(entry.path(), dir_.path()).string());
        }
        return found;
    }
    std::vector<std::string> filesUnder(const std::string& folder) const {
        std::vector<std::string> found;
        for (const std::string& file : files())
            if (file.starts_with(folder)) found.push_back(file);
        return found;
    }

    // Runs `act` on the first modal window of class T that shows, from the event loop.
    template <typename T>
    void whenShown(std::function<bool(T&)> act) {
        auto* timer = new QTimer(&owner_);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
            auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
            if (window != nullptr && window->isVisible() && act(*window)) timer->deleteLater();
        });
        timer->start(10);
    }
    // The text of the next message box, which is closed.
    void closeMessage(QString& text) {
        whenShown<QMessageBox>([&text](QMessageBox& box) {
            text = box.text();
            box.accept();
            return true;
        });
    }

    test::TempDir dir_;
    FirstRunPlaces places_;
    Program program_;
    QWidget owner_;
};

TEST_F(FirstRunTest, ACancelledSampleBuildLeavesNothingAndWritesNoFile) {
    places_.samplePersons = 20000;
    whenShown<QProgressDialog>([](QProgressDialog& progress) {
        progress.cancel();
        return true;
    });
    EXPECT_FALSE(buildSample(program_, owner_, places_));
    EXPECT_EQ(files(), std::vector<std::string>{});
    EXPECT_FALSE(fs::exists(dir_.path() + "data"));
    EXPECT_EQ(program_.database().tessl().count(), 0);
}

TEST_F(FirstRunTest, TheBuiltSampleIsWrittenToTheUsersFileOnlyAndOpenedInTheSameRun) {
    Tmain_form main(program_);
    main.show();
    EXPECT_TRUE(buildSample(program_, main, places_));
    EXPECT_EQ(filesUnder("config"), std::vector<std::string>{"config/tessla/tessla.ini"});
    EXPECT_EQ(files().size(), filesUnder("config").size() + filesUnder("data/tessla/sample/").size());
    const Configuration config = readConfigurationFile(places_.userFile);
    EXPECT_EQ(config.cdbasen, places_.sampleDirectory + "cd/");
    EXPECT_EQ(program_.configurationPath(), places_.userFile);
    EXPECT_EQ(program_.database().tessl().count(), 300);
}

TEST_F(FirstRunTest, AChosenDatabaseIsWrittenToTheUsersFileOnlyAndOpened) {
    SampleOptions sample;
    sample.directory = dir_.path() + "census/db";
    sample.persons = 300;
    buildSampleDatabase(sample);
    const auto before = files();
    EXPECT_TRUE(useDatabaseDirectory(program_, owner_, places_, sample.directory));
    auto after = files();
    std::erase(after, "config/tessla/tessla.ini");
    EXPECT_EQ(after, before);  // the user's file is the one written
    EXPECT_EQ(readConfigurationFile(places_.userFile).hdbasen, sample.directory + "/hd/");
    EXPECT_EQ(program_.database().tessl().count(), 300);
}

// A choice that comes to nothing is told in the program's language and writes nothing (which
// choices are refused, and their words, are the first run's steps' own tests).
TEST_F(FirstRunTest, ARefusedChoiceIsToldWithAMessageAndWritesNothing) {
    fs::create_directories(dir_.path() + "empty");
    QString message;
    closeMessage(message);
    EXPECT_FALSE(useDatabaseDirectory(program_, owner_, places_, dir_.path() + "empty"));
    EXPECT_TRUE(message.contains(QStringLiteral("ingen databas"))) << message.toStdString();
    EXPECT_EQ(files(), std::vector<std::string>{});

    places_.sampleDirectory = "/" + std::string(kComponentDirectoryMax, 's') + "/";
    program_.setLanguage(Language::English);
    closeMessage(message);
    EXPECT_FALSE(buildSample(program_, owner_, places_));
    EXPECT_TRUE(message.startsWith(QStringLiteral("The folder's path is too long"))) << message.toStdString();
}

TEST_F(FirstRunTest, TheDialogsButtonsChooseAndItsLanguageButtonSwitchesTheProgram) {
    for (const char* button : {"sample", "directory", "later"}) {
        FirstRunDialog dialog(program_, places_);
        dialog.findChild<QPushButton*>(QString::fromUtf8(button))->click();
        const auto expected = std::string(button) == "sample"      ? FirstRunDialog::Choice::Sample
                              : std::string(button) == "directory" ? FirstRunDialog::Choice::Directory
                                                                   : FirstRunDialog::Choice::None;
        EXPECT_EQ(dialog.choice(), expected) << button;
    }
    FirstRunDialog dialog(program_, places_);
    auto* sample = dialog.findChild<QPushButton*>(QStringLiteral("sample"));
    EXPECT_EQ(sample->text(), QStringLiteral("Bygg exempeldatabasen"));
    dialog.findChild<QPushButton*>(QStringLiteral("language"))->click();
    EXPECT_EQ(program_.language(), Language::English);
    EXPECT_EQ(sample->text(), QStringLiteral("Build the sample database"));
    places_.userFile.clear();  // no home: nothing can be written, so nothing is offered
    FirstRunDialog homeless(program_, places_);
    EXPECT_FALSE(homeless.findChild<QPushButton*>(QStringLiteral("sample"))->isEnabled());
    EXPECT_FALSE(homeless.findChild<QPushButton*>(QStringLiteral("directory"))->isEnabled());
}

void save(QWidget& window, const QString& name) {
    for (const int ratio : {1, 2}) {
        QImage shot(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        shot.setDevicePixelRatio(ratio);
        window.render(&shot);
        shot.save(name + QStringLiteral("@%1x.png").arg(ratio));
    }
}

// The first-run dialog and the sample's progress in both languages.
TEST_F(FirstRunTest, Screenshot) {
    const QString shots = QStringLiteral(TESSLA_BINARY_DIR "/screenshots/first_run");
    QDir().mkpath(shots);
    places_.sampleDirectory = "/home/anna/.local/share/tessla/sample/";
    for (const Language language : {Language::Swedish, Language::English}) {
        program_.setLanguage(language);
        const QString tag = inLanguage(language, QStringLiteral("sv"), QStringLiteral("en"));
        FirstRunDialog dialog(program_, places_);
        dialog.show();
        QApplication::processEvents();
        save(dialog, shots + QStringLiteral("/first_run_%1").arg(tag));

        places_.sampleDirectory = dir_.path() + "data/tessla/sample/";
        places_.samplePersons = 60000;
        // Once the time left is known, the progress dialog is drawn and the build cancelled.
        whenShown<QProgressDialog>([&](QProgressDialog& progress) {
            const QString label = progress.labelText();
            if (progress.value() < 350 || !label.contains(QStringLiteral(" s "))) return false;
            save(progress, shots + QStringLiteral("/sample_progress_%1").arg(tag));
            progress.cancel();
            return true;
        });
        EXPECT_FALSE(buildSample(program_, owner_, places_));
        places_.sampleDirectory = "/home/anna/.local/share/tessla/sample/";
    }
}

}  // namespace
}  // namespace tessla
