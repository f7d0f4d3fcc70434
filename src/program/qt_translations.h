#pragma once

// Qt's own texts (the buttons and labels of its file, print and progress dialogs) in the program's
// language: Qt's Swedish translation is installed while the program speaks Swedish and removed
// when it switches to English. Without the translation file (qt_sv.qm of the system's Qt
// translations) Qt's dialogs stay in English.

#include <QObject>
#include <QTranslator>

#include "program/program.h"

namespace tessla {

class QtTranslations : public QObject {
    Q_OBJECT

  public:
    // Follows `program`'s language from now on; `directory` holds qt_<language>.qm (by default
    // the system's Qt translations).
    explicit QtTranslations(Program& program, const QString& directory = systemDirectory());
    ~QtTranslations() override;

    // Whether the Swedish translation was found.
    bool hasSwedish() const { return !swedish_.isEmpty(); }

    static QString systemDirectory();

  private:
    void follow(Language language);

    QTranslator swedish_;
    bool installed_ = false;
};

}  // namespace tessla
