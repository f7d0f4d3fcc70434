#include "windows/first_run.h"

#include <chrono>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "database/database_check.h"
#include "program/program.h"
#include "skin/control_palette.h"
#include "skin/fonts.h"
#include "view/build_progress.h"
#include "windows/window_controls.h"

namespace tessla {
namespace {

constexpr int kProgressSteps = 1000;
constexpr int kPollMilliseconds = 100;

// The paper and ink of the program's own dialogs.
void paintAsPaper(QWidget& window) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, controlPalette::plainPaper());
    palette.setColor(QPalette::WindowText, controlPalette::ink());
    palette.setColor(QPalette::Highlight, controlPalette::green());
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void tell(QWidget& owner, Language language, const QString& swedish, const QString& english) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tessla"), inLanguage(language, swedish, english),
                    QMessageBox::Ok, &owner);
    box.exec();
}

QString stageText(BuildStage stage, Language language) {
    switch (stage) {
        case BuildStage::Generating:
            return inLanguage(language, "Hittar på en folkräkning …", "Making up a census …");
        case BuildStage::Reading:
            return inLanguage(language, "Läser folkräkningen …", "Reading the census …");
        case BuildStage::Sorting:
            return inLanguage(language, "Sorterar personerna …", "Sorting the persons …");
        case BuildStage::Writing:
            return inLanguage(language, "Skriver söklistorna …", "Writing the search lists …");
        case BuildStage::Finishing:
            break;
    }
    return inLanguage(language, "Gör klart …", "Finishing …");
}

QString timeLeftText(double done, double elapsed, Language language) {
    const auto left = secondsLeft(done, elapsed);
    if (!left) return inLanguage(language, "Räknar ut tiden som är kvar …", "Working out the time left …");
    if (*left >= 60) {
        return inLanguage(language, "Ungefär %1 min %2 s kvar", "About %1 min %2 s left")
            .arg(*left / 60)
            .arg(*left % 60);
    }
    return inLanguage(language, "Ungefär %1 s kvar", "About %1 s left").arg(*left);
}

// What the worker thread shares with the window while it builds.
struct SampleJob {
    std::mutex mutex;
    BuildStep step;
    bool finished = false;
    bool cancelled = false;
    std::string error;
};

// Writes the user's file naming `directory` and opens it; a failed write is told.
bool writeAndOpen(Program& program, QWidget& owner, const FirstRunPlaces& places,
                  const std::string& directory) {
    const std::string error = writeUserConfiguration(places.userFile, directory);
    if (!error.empty()) {
        tell(owner, program.language(),
             QStringLiteral("Inställningsfilen kan inte skrivas.\n\n%1").arg(QString::fromStdString(error)),
             QStringLiteral("The configuration file cannot be written.\n\n%1")
                 .arg(QString::fromStdString(error)));
        return false;
    }
    return program.openDatabase(places.userFile);
}

bool fits(Program& program, QWidget& owner, const std::string& directory) {
    if (databaseDirectoryFits(directory)) return true;
    const QString path = QString::fromStdString(directory);
    tell(owner, program.language(),
         QStringLiteral("Mappens sökväg är för lång: sökvägarna till databasens mappar cd/ och hd/ får ha "
                        "högst %1 tecken.\n\n%2")
             .arg(kComponentDirectoryMax)
             .arg(path),
         QStringLiteral("The folder's path is too long: the paths of the database's folders cd/ and hd/ may "
                        "have at most %1 characters.\n\n%2")
             .arg(kComponentDirectoryMax)
             .arg(path));
    return false;
}

}  // namespace

FirstRunPlaces FirstRunPlaces::fromEnvironment(const ConfigurationPlaces& places) {
    FirstRunPlaces first;
    first.userFile = userConfigurationPath(places);
    first.sampleDirectory = sampleDatabaseDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    first.skinDirectory = skinDirectoryFor(places.programDirectory);
    return first;
}

FirstRunDialog::FirstRunDialog(Program& program, const FirstRunPlaces& places, QWidget* parent)
    : QDialog(parent),
      program_(program),
      places_(places),
      heading_(new QLabel(this)),
      text_(new QLabel(this)),
      where_(new QLabel(this)),
      language_(new QPushButton(this)),
      sample_(new QPushButton(this)),
      directory_(new QPushButton(this)),
      later_(new QPushButton(this)) {
    setObjectName(QStringLiteral("firstrun"));
    paintAsPaper(*this);
    setFont(serifFont(11));  // the buttons and the folder line in the program's face too

    QFont headingFont = serifFont(15);
    headingFont.setBold(true);
    heading_->setFont(headingFont);
    text_->setWordWrap(true);
    text_->setFixedWidth(460);
    where_->setWordWrap(true);
    where_->setFixedWidth(460);
    QPalette quiet = where_->palette();
    quiet.setColor(QPalette::WindowText, controlPalette::sepia());
    where_->setPalette(quiet);
    sample_->setObjectName(QStringLiteral("sample"));
    directory_->setObjectName(QStringLiteral("directory"));
    later_->setObjectName(QStringLiteral("later"));
    language_->setObjectName(QStringLiteral("language"));
    sample_->setDefault(true);
    sample_->setEnabled(!places.sampleDirectory.empty() && !places.userFile.empty());
    directory_->setEnabled(!places.userFile.empty());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(language_);
    buttons->addStretch();
    buttons->addWidget(later_);
    buttons->addWidget(directory_);
    buttons->addWidget(sample_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 18);
    layout->setSpacing(12);
    layout->addWidget(heading_);
    layout->addWidget(text_);
    layout->addWidget(where_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(sample_, &QPushButton::clicked, this, [this] { choose(Choice::Sample); });
    connect(directory_, &QPushButton::clicked, this, [this] { choose(Choice::Directory); });
    connect(later_, &QPushButton::clicked, this, &QDialog::reject);
    connect(language_, &QPushButton::clicked, this, [this] {
        program_.setLanguage(inLanguage(program_.language(), Language::English, Language::Swedish));
    });
    connect(&program_, &Program::languageChanged, this, [this] { retranslate(); });
    retranslate();
    sample_->setFocus();
}

void FirstRunDialog::retranslate() {
    const Language language = program_.language();
    heading_->setText(inLanguage(language, "Välkommen till Tessla", "Welcome to Tessla"));
    setWindowTitle(heading_->text());
    text_->setText(inLanguage(
        language,
        "Det finns ingen databas att söka i ännu. Tessla kan bygga en exempeldatabas med en påhittad "
        "folkräkning av 200 000 personer, vilket tar ungefär en halv minut, eller använda en databas "
        "som du redan har.",
        "There is no database to search yet. Tessla can build a sample database with a made-up census "
        "of 200 000 persons, which takes about half a minute, or use a database you already have."));
    where_->setText(
        places_.sampleDirectory.empty()
            ? inLanguage(language, "Det finns ingen datamapp för exempeldatabasen (HOME saknas).",
                         "There is no data folder for the sample database (HOME is not set).")
            : inLanguage(language, "Exempeldatabasen hamnar i %1", "The sample database goes into %1")
                  .arg(QDir::toNativeSeparators(QString::fromStdString(places_.sampleDirectory))));
    language_->setText(inLanguage(language, "In English", "På svenska"));
    sample_->setText(inLanguage(language, "Bygg exempeldatabasen", "Build the sample database"));
    directory_->setText(inLanguage(language, "Välj en databas …", "Choose a database …"));
    later_->setText(inLanguage(language, "Inte nu", "Not now"));
    // Sized now, so that it is placed by its true size.
    adjustSize();
}

void FirstRunDialog::choose(Choice choice) {
    choice_ = choice;
    accept();
}

bool offerFirstRun(Program& program, QWidget& owner, const FirstRunPlaces& places) {
    for (;;) {
        FirstRunDialog dialog(program, places, &owner);
        showModal(dialog, owner);
        switch (dialog.choice()) {
            case FirstRunDialog::Choice::None:
                return false;
            case FirstRunDialog::Choice::Sample:
                if (buildSample(program, owner, places)) return true;
                break;
            case FirstRunDialog::Choice::Directory: {
                const QString directory = QFileDialog::getExistingDirectory(
                    &owner,
                    inLanguage(program.language(), "Välj databasens mapp", "Choose the database's folder"),
                    QDir::homePath());
                if (!directory.isEmpty() &&
                    useDatabaseDirectory(program, owner, places, directory.toStdString()))
                    return true;
                break;
            }
        }
        // A choice that came to nothing offers the choices again.
    }
}

bool buildSample(Program& program, QWidget& owner, const FirstRunPlaces& places) {
    const Language language = program.language();
    if (!fits(program, owner, places.sampleDirectory)) return false;
    auto job = std::make_shared<SampleJob>();
    std::stop_source stop;
    SampleOptions options;
    options.directory = places.sampleDirectory;
    options.persons = places.samplePersons;
    options.skinDir = places.skinDirectory;
    options.stop = stop.get_token();
    options.steps = [job](const BuildStep& step) {
        const std::lock_guard lock(job->mutex);
        job->step = step;
    };

    QProgressDialog progress(&owner);
    progress.setObjectName(QStringLiteral("sampleprogress"));
    progress.setWindowTitle(inLanguage(language, "Bygger exempeldatabasen", "Building the sample database"));
    progress.setCancelButtonText(inLanguage(language, "Avbryt", "Cancel"));
    progress.setLabelText(stageText(BuildStage::Generating, language) + QStringLiteral("\n") +
                          timeLeftText(0, 0, language));
    progress.setRange(0, kProgressSteps);
    progress.setMinimumDuration(0);
    progress.setMinimumWidth(440);
    progress.setFont(serifFont(11));
    paintAsPaper(progress);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setWindowModality(Qt::ApplicationModal);

    std::jthread worker([job, options] {
        std::string error;
        bool cancelled = false;
        try {
            buildSampleDatabase(options);
        } catch (const BuildCancelled&) {
            cancelled = true;
        } catch (const std::exception& failure) {
            error = failure.what();
        }
        const std::lock_guard lock(job->mutex);
        job->finished = true;
        job->cancelled = cancelled;
        job->error = error;
    });

    const auto start = std::chrono::steady_clock::now();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        BuildStep step;
        {
            const std::lock_guard lock(job->mutex);
            if (job->finished) {
                loop.quit();
                return;
            }
            step = job->step;
        }
        // Cancelled by its button or by the Escape key.
        if (progress.wasCanceled()) {
            stop.request_stop();
            return;
        }
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        progress.setValue(static_cast<int>(step.done * kProgressSteps));
        progress.setLabelText(stageText(buildStageOf(step.what), language) + QStringLiteral("\n") +
                              timeLeftText(step.done, elapsed, language));
    });
    poll.start(kPollMilliseconds);
    progress.show();
    loop.exec();
    worker.join();
    progress.hide();

    if (job->cancelled) return false;
    if (!job->error.empty()) {
        const QString error = QString::fromStdString(job->error);
        tell(owner, language, QStringLiteral("Exempeldatabasen kunde inte byggas.\n\n%1").arg(error),
             QStringLiteral("The sample database could not be built.\n\n%1").arg(error));
        return false;
    }
    return writeAndOpen(program, owner, places, places.sampleDirectory);
}

bool useDatabaseDirectory(Program& program, QWidget& owner, const FirstRunPlaces& places,
                          const std::string& directory) {
    if (!fits(program, owner, directory)) return false;
    Configuration config;
    config.cdbasen = cdDirectoryOf(directory);
    config.hdbasen = hdDirectoryOf(directory);
    // Checked before anything is written: the files must all be there and open as a database.
    Database probe(nullptr);
    const std::optional<DatabaseProblem> problem = openCheckedDatabase(probe, config);
    probe.close();
    if (problem) {
        const QString detail = QString::fromStdString(describeDatabaseProblem(*problem));
        const QString path = QString::fromStdString(directory);
        tell(owner, program.language(),
             QStringLiteral("Mappen %1 innehåller ingen databas som Tessla kan öppna.\n\n%2")
                 .arg(path, detail),
             QStringLiteral("The folder %1 holds no database that Tessla can open.\n\n%2").arg(path, detail));
        return false;
    }
    return writeAndOpen(program, owner, places, directory);
}

}  // namespace tessla
