#include "program/program.h"

#include <filesystem>

#include <QMessageBox>
#include <QTimer>

#include "skin/qt_text.h"

namespace tessla {

Program::Program()
    : maintiler_(database_.sysbild(), 2, TSPtilemode::tmUtsnitt),
      metiler_(database_.sysbild(), 3, TSPtilemode::tmHel00),
      kttiler_(database_.sysbild(), 5, TSPtilemode::tmHel),
      kttilerkn_(database_.sysbild(), 2, TSPtilemode::tmHel),
      mainfigur_(database_.sysbild(), 100) {
    bindPictureCaches(nullptr);
}

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
    // Opening makes the skin's picture base anew.
    bindPictureCaches(&database_.sysbild());
    emit databaseOpened();
    return true;
}

void Program::closeDatabase() {
    bindPictureCaches(nullptr);
    household.clearHousehold();
    currentPerson = {};
    database_.close();
}

void Program::bindPictureCaches(TSPbildbas* skin) {
    for (TSPtiler* tiler : {&maintiler_, &metiler_, &kttiler_, &kttilerkn_}) tiler->setBildbas(skin);
    mainfigur_.setBildbas(skin);
}

void Program::setLanguage(Language language) {
    if (language == language_) return;
    language_ = language;
    emit languageChanged(language);
}

void Program::runBusy(const std::function<void()>& work) {
    {
        const BusyGate::Hold hold(busyGate_);
        work();
    }
    QTimer::singleShot(0, this, [this] { busyGate_.runWaiting(); });
}

void Program::whenSettled(std::string_view kind, std::function<void()> action) {
    busyGate_.whenFree(kind, [this, action = std::move(action)] {
        if (settle_) settle_();
        action();
    });
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
    if (messages_.size() > 1 || showingMessages_) return;
    // During busy work the messages wait their turn at the gate with the windows asked for.
    if (busyGate_.busy()) {
        busyGate_.whenFree("messages", [this] { showQueuedMessages(); });
    } else {
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
