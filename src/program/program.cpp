#include "program/program.h"

#include <filesystem>

#include <QMessageBox>
#include <QTimer>

#include "skin/qt_text.h"

namespace tessla {

Program::Program() = default;

Program::~Program() {
    closeDatabase();
}

bool Program::openDatabase(const std::string& path) {
    closeDatabase();
    configurationPath_ = path;
    configuration_ = readConfigurationFile(path);
    if (const auto problem = openCheckedDatabase(database_, configuration_)) {
        queueMessage(problemMessage(*problem));
        return false;
    }
    TSPbildbas& skin = database_.sysbild();
    maintiler_ = std::make_unique<TSPtiler>(skin, 2, TSPtilemode::tmUtsnitt);
    metiler_ = std::make_unique<TSPtiler>(skin, 3, TSPtilemode::tmHel00);
    kttiler_ = std::make_unique<TSPtiler>(skin, 5, TSPtilemode::tmHel);
    kttilerkn_ = std::make_unique<TSPtiler>(skin, 2, TSPtilemode::tmHel);
    mainfigur_ = std::make_unique<TSPfigurer>(skin, 100);
    return true;
}

void Program::closeDatabase() {
    maintiler_.reset();
    metiler_.reset();
    kttiler_.reset();
    kttilerkn_.reset();
    mainfigur_.reset();
    database_.close();
}

// The program starts in Swedish, and the fault concerns whoever set the program up, so the message
// gives both languages; the configuration file is named as the program found it.
QString Program::problemMessage(const DatabaseProblem& problem) const {
    std::error_code error;
    const bool exists = std::filesystem::is_regular_file(configurationPath_, error);
    const QString file = QString::fromStdString(configurationPath_);
    QString text = QStringLiteral("Databasen kan inte öppnas. The database cannot be opened.\n\n");
    text += QStringLiteral("Inställningsfil / configuration file: %1").arg(file);
    if (!exists) text += QStringLiteral(" (finns inte / does not exist)");
    text += QStringLiteral("\n\n") + QString::fromStdString(describeDatabaseProblem(problem));
    return text;
}

void Program::message(std::string_view text) {
    queueMessage(toQString(text));
}

void Program::queueMessage(QString text) {
    messages_.push_back(std::move(text));
    if (messages_.size() == 1 && !showingMessages_) {
        QTimer::singleShot(0, this, [this] { showQueuedMessages(); });
    }
}

// A message box runs its own event loop, in which further messages may be queued; they are shown
// by this same loop, one after the other.
void Program::showQueuedMessages() {
    if (showingMessages_) return;
    showingMessages_ = true;
    while (!messages_.empty()) {
        const QString text = messages_.front();
        messages_.pop_front();
        if (presenter_) {
            presenter_(text);
        } else {
            QMessageBox::warning(messageWindow_, QStringLiteral("Tessla"), text);
        }
    }
    showingMessages_ = false;
}

}  // namespace tessla
