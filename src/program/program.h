#pragma once

// The program object: what the running desktop program holds once for all its windows. It owns
// the database with its components, the picture caches over the skin pictures, the language flag,
// the help topic key, the current person and the household list, and shows the components'
// messages to the user. Windows get it at construction; a test can build several.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "base/configuration.h"
#include "database/database.h"
#include "database/database_check.h"
#include "census/household.h"
#include "census/person.h"
#include "skin/figure_set.h"
#include "skin/tiler.h"

namespace tessla {

class Program : public QObject, public MessageSink {
  public:
    Program();
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Reads the configuration from `path`, checks the database it names and opens it, and makes
    // the picture caches. A database that cannot be used is left closed, with no file created and
    // no picture cache, and one message naming the configuration file and the fault is queued.
    // Returns whether the database is open.
    bool openDatabase(const std::string& path);
    // Closes every database component (the picture caches go first, as they read the skin base).
    void closeDatabase();

    Database& database() { return database_; }
    const Configuration& configuration() const { return configuration_; }
    const std::string& configurationPath() const { return configurationPath_; }

    // The picture caches over the skin pictures; null while the database is not open.
    TSPtiler* maintiler() { return maintiler_.get(); }
    TSPtiler* metiler() { return metiler_.get(); }
    TSPtiler* kttiler() { return kttiler_.get(); }
    TSPtiler* kttilerkn() { return kttilerkn_.get(); }
    TSPfigurer* mainfigur() { return mainfigur_.get(); }

    // The program-wide state the windows share.
    Language language = Language::Swedish;
    std::string helpTopic;
    Tenperson currentPerson;
    HouseholdList household;

    // Queues a component's message; it is shown after the current event, never from inside a
    // paint or the idle work. Messages are shown one at a time, in order.
    void message(std::string_view text) override;
    // Where messages are shown: a message box over `window` unless a presenter is set (tests
    // record them instead).
    void setMessageWindow(QWidget* window) { messageWindow_ = window; }
    void setMessagePresenter(std::function<void(const QString&)> presenter) {
        presenter_ = std::move(presenter);
    }

  private:
    void queueMessage(QString text);
    void showQueuedMessages();
    QString problemMessage(const DatabaseProblem& problem) const;

    Database database_{this};
    Configuration configuration_;
    std::string configurationPath_;
    std::unique_ptr<TSPtiler> maintiler_, metiler_, kttiler_, kttilerkn_;
    std::unique_ptr<TSPfigurer> mainfigur_;

    std::deque<QString> messages_;
    bool showingMessages_ = false;
    QPointer<QWidget> messageWindow_;
    std::function<void(const QString&)> presenter_;
};

}  // namespace tessla
