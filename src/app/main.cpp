// The desktop program: one program object, which opens the database the configuration names
// before the first window shows and closes it when the program ends, its main window and the
// windows the main window opens. Without a configuration file the first run offers to build the
// sample database or to choose one. The one argument read is --version; others are ignored.

#include <cstdio>
#include <filesystem>
#include <string_view>

#include <QApplication>
#include <QTimer>

#include "base/configuration.h"
#include "base/version.h"
#include "program/program.h"
#include "program/qt_translations.h"
#include "widgets/accessibility.h"
#include "widgets/qt_canvas.h"
#include "windows/first_run.h"
#include "windows/main_window.h"
#include "windows/program_windows.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "--version") {
        std::printf("Tessla %s\n", tessla::kProgramVersion.data());
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessla"));
    QApplication::setApplicationVersion(QString::fromUtf8(tessla::kProgramVersion.data()));
    QApplication::setDesktopFileName(QStringLiteral("se.tessla.Tessla"));
    tessla::checkTextFace();
    tessla::installAccessibility();
    tessla::Program program;
    const tessla::QtTranslations translations(program);
    const tessla::ConfigurationPlaces places = tessla::configurationPlacesFromEnvironment();
    const std::string configuration = tessla::configurationFilePath(places);
    std::error_code missing;
    const bool firstRun = !std::filesystem::exists(configuration, missing);
    if (!firstRun) program.openDatabase(configuration);

    tessla::Tmain_form mainForm(program);
    tessla::makeOwnedWindows(program, mainForm);
    mainForm.show();
    if (firstRun) {
        QTimer::singleShot(0, &mainForm, [&] {
            tessla::offerFirstRun(program, mainForm, tessla::FirstRunPlaces::fromEnvironment(places));
        });
    }
    return QApplication::exec();
}
