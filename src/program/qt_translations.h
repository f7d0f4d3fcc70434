#pragma once

// Qt's own texts (the buttons and labels of its file, print, progress and message dialogs, and
// the sizes and dates they write) in the program's language. While the program speaks Swedish two
// translators are installed: the system's Swedish for Qt (qt_sv.qm of the system's Qt
// translations, from an older Qt that leaves much of today's dialogs English) and, after it, the
// program's own Swedish for the dialogs it can show (carried in the program), which Qt asks first;
// the default locale is Swedish. For English both are removed (Qt's own texts) and the default
// locale is American English, as the program writes its English dates.

#include <QLocale>
#include <QObject>
#include <QTranslator>

#include "program/program.h"

namespace tessla {

class QtTranslations : public QObject {
    Q_OBJECT

  public:
    // Follows `program`'s language from now on; `directory` holds the system's qt_sv.qm (by
    // default the system's Qt translations).
    explicit QtTranslations(Program& program, const QString& directory = systemDirectory());
    ~QtTranslations() override;

    // Whether the system's Swedish for Qt was found; the program's own is always there.
    bool hasSystemSwedish() const { return !system_.isEmpty(); }

    static QString systemDirectory();

  private:
    void follow(Language language);
    void install();
    void remove();

    QLocale before_;  // the default locale, given back when the translations go
    QTranslator system_;
    QTranslator own_;
    bool installed_ = false;
};

}  // namespace tessla
