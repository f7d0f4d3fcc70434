#include "program/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace tessla {

QtTranslations::QtTranslations(Program& program, const QString& directory) {
    // The system's Swedish for Qt comes as one file, qt_sv.qm, that takes in those of the Qt
    // modules; without it only the program's own Swedish is installed.
    static_cast<void>(system_.load(QStringLiteral("qt_sv"), directory));
    static_cast<void>(own_.load(QStringLiteral(":/translations/tessla_qt_sv.qm")));
    connect(&program, &Program::languageChanged, this, [this](Language language) { follow(language); });
    follow(program.language());
}

QtTranslations::~QtTranslations() {
    if (installed_) remove();
    QLocale::setDefault(before_);
}

QString QtTranslations::systemDirectory() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

void QtTranslations::follow(Language language) {
    const bool wanted = language == Language::Swedish;
    if (wanted == installed_) return;
    if (wanted) {
        install();
    } else {
        remove();
    }
    installed_ = wanted;
    // Qt's dialogs write sizes and dates by the default locale ("0 byte", "11 dec.").
    QLocale::setDefault(wanted ? QLocale(QLocale::Swedish, QLocale::Sweden)
                               : QLocale(QLocale::English, QLocale::UnitedStates));
}

// Qt asks the translator installed last first: the program's own goes in after the system's.
void QtTranslations::install() {
    for (QTranslator* translator : {&system_, &own_}) {
        if (!translator->isEmpty()) QCoreApplication::installTranslator(translator);
    }
}

void QtTranslations::remove() {
    for (QTranslator* translator : {&own_, &system_}) QCoreApplication::removeTranslator(translator);
}

}  // namespace tessla
