#include "program/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tessla {

QtTranslations::QtTranslations(Program& program, const QString& directory) {
    // Qt's Swedish texts come as one file, qt_sv.qm, that takes in those of the Qt modules. Without
    // it the translator stays empty and is never installed.
    static_cast<void>(swedish_.load(QStringLiteral("qt_sv"), directory));
    connect(&program, &Program::languageChanged, this, [this](Language language) { follow(language); });
    follow(program.language());
}

QtTranslations::~QtTranslations() {
    if (installed_) QCoreApplication::removeTranslator(&swedish_);
}

QString QtTranslations::systemDirectory() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

void QtTranslations::follow(Language language) {
    const bool wanted = language == Language::Swedish && hasSwedish();
    if (wanted == installed_) return;
    installed_ = wanted ? QCoreApplication::installTranslator(&swedish_)
                        : !QCoreApplication::removeTranslator(&swedish_);
}

}  // namespace tessla
