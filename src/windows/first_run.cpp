#include "windows/first_run.h"

#include <string>

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

#include "program/program.h"
#include "skin/control_palette.h"
#include "skin/fonts.h"
#include "skin/qt_text.h"
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

// Tells what came of a choice that came to nothing; nothing for a cancelled one.
void tell(QWidget& owner, const FirstRunOutcome& outcome, Language language) {
    const Utf8 message = firstRunMessage(outcome, language);
    if (message.empty()) return;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tessla"), toQString(message), QMessageBox::Ok,
                    &owner);
    box.exec();
}

// Opens the database the user's file now names, or tells why there is none to open.
bool openChosen(Program& program, QWidget& owner, const FirstRunPlaces& places,
                const FirstRunOutcome& outcome) {
    if (outcome.result == FirstRunOutcome::Result::Done) return program.openDatabase(places.userFile);
    tell(owner, outcome, program.language());
    return false;
}

// Shows `run` under a progress dialog over `owner` until it is finished; the dialog's button and
// the Escape key cancel it.
void showProgress(SampleRun& run, QWidget& owner, Language language) {
    QProgressDialog progress(&owner);
    progress.setObjectName(QStringLiteral("sampleprogress"));
    progress.setWindowTitle(inLanguage(language, "Bygger exempeldatabasen", "Building the sample database"));
    progress.setCancelButtonText(inLanguage(language, "Avbryt", "Cancel"));
    progress.setLabelText(toQString(buildProgressText(BuildStage::Generating, 0, 0, language)));
    progress.setRange(0, kProgressSteps);
    progress.setMinimumDuration(0);
    progress.setMinimumWidth(440);
    progress.setFont(serifFont(11));
    paintAsPaper(progress);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setWindowModality(Qt::ApplicationModal);

    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const SampleRun::Progress now = run.progress();
        if (now.finished) {
            loop.quit();
            return;
        }
        if (progress.wasCanceled()) {
            run.cancel();
            return;
        }
        progress.setValue(static_cast<int>(now.done * kProgressSteps));
        progress.setLabelText(
            toQString(buildProgressText(now.stage, now.done, now.elapsedSeconds, language)));
    });
    poll.start(kPollMilliseconds);
    progress.show();
    loop.exec();
    progress.hide();
}

}  // namespace

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

    setSerifLook(*heading_, {15, true});
    text_->setWordWrap(true);
    text_->setFixedWidth(460);
    where_->setWordWrap(true);
    where_->setFixedWidth(460);
    setSerifLook(*where_, {11, false, false, controlPalette::sepia()});
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
    SampleRun run(places);
    if (!run.progress().finished) showProgress(run, owner, program.language());
    return openChosen(program, owner, places, run.outcome());
}

bool useDatabaseDirectory(Program& program, QWidget& owner, const FirstRunPlaces& places,
                          const std::string& directory) {
    return openChosen(program, owner, places, useDatabaseFolder(places, directory));
}

}  // namespace tessla
