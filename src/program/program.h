#pragma once

// The program object: what the running desktop program holds once for all its windows. It owns
// the database with its components, the picture caches over the skin pictures, the language, the
// help topic key, the current person and the household list, the busy gate, and shows the
// components' messages to the user. Windows get it at construction; a test can build several.
//
// It lives longer than every window: `main` opens the database before the first window shows and
// the program closes it when it ends. The picture caches live as long as the program, so no
// control ever points at a freed cache: closing the database empties them, opening fills them
// again as the controls paint.

#include <deque>
#include <functional>
#include <string>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "base/configuration.h"
#include "census/household.h"
#include "census/person.h"
#include "database/database.h"
#include "database/database_check.h"
#include "skin/figure_set.h"
#include "skin/tiler.h"
#include "view/busy_gate.h"
#include "view/list_picks.h"

namespace tessla {

class Program : public QObject, public MessageSink {
    Q_OBJECT

  public:
    Program();
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Closes the database, reads the configuration from `path`, checks the database it names and
    // opens it. A database that cannot be used is left closed, with no file created, and one
    // message naming the configuration file and the fault is queued. Returns whether the
    // database is open; when it is, `databaseOpened` tells the windows.
    bool openDatabase(const std::string& path);
    // Closes every database component and empties the picture caches.
    void closeDatabase();

    Database& database() { return database_; }
    const Configuration& configuration() const { return configuration_; }
    const std::string& configurationPath() const { return configurationPath_; }

    // The picture caches over the skin pictures; empty while the database is closed.
    TSPtiler& maintiler() { return maintiler_; }
    TSPtiler& metiler() { return metiler_; }
    TSPtiler& kttiler() { return kttiler_; }
    TSPtiler& kttilerkn() { return kttilerkn_; }
    TSPfigurer& mainfigur() { return mainfigur_; }

    // The language of every window; setting another one signals `languageChanged`.
    Language language() const { return language_; }
    void setLanguage(Language language);

    // The program-wide state the windows share.
    std::string helpTopic;
    Tenperson currentPerson;
    HouseholdList household;
    // The search list picker's top and current row per word list, kept between showings.
    PickerPositions pickerPositions;

    // The one gate for work that lets events through. `runBusy` runs `work` holding it; what
    // waited for the gate meanwhile runs once the event loop is back, after `work`'s results
    // are shown.
    BusyGate& busyGate() { return busyGate_; }
    void runBusy(const std::function<void()>& work);
    // Runs `action` once the gate is free and what is still owed to the user's selection is done
    // (the settler's work: the household of a selection that has not rested yet), so that a
    // window opened, a job started or a copy made reads what the user has selected, and no
    // window's own event loop builds meanwhile. A waiting action of the same `kind` is replaced.
    void whenSettled(std::string_view kind, std::function<void()> action);
    // The work `whenSettled` does first; none by default. The main window sets it for as long as
    // it lives.
    void setSettler(std::function<void()> settle) { settle_ = std::move(settle); }

    // Queues a component's message; it is shown after the current event and while the busy gate
    // is free, never from inside a paint or a piece of busy work. One at a time, in order.
    void message(std::string_view text) override;
    // Where messages are shown: a message box over `window` unless a presenter is set (tests
    // record them instead).
    void setMessageWindow(QWidget* window) { messageWindow_ = window; }
    void setMessagePresenter(std::function<void(const QString&)> presenter) {
        presenter_ = std::move(presenter);
    }

  signals:
    void languageChanged(Language language);
    void databaseOpened();

  private:
    void bindPictureCaches(TSPbildbas* skin);
    void queueMessage(QString text);
    void showQueuedMessages();
    QString problemMessage(const DatabaseProblem& problem) const;

    Database database_{this};
    Configuration configuration_;
    std::string configurationPath_;
    TSPtiler maintiler_, metiler_, kttiler_, kttilerkn_;
    TSPfigurer mainfigur_;
    Language language_ = Language::Swedish;
    BusyGate busyGate_;
    std::function<void()> settle_;

    std::deque<QString> messages_;
    bool showingMessages_ = false;
    QPointer<QWidget> messageWindow_;
    std::function<void(const QString&)> presenter_;
};

}  // namespace tessla
