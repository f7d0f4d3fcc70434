// The desktop program: one program object, which opens the database the configuration names
// before the first window shows and closes it when the program ends, its main window and the
// windows the main window opens. No command-line arguments are read.

#include <cstdlib>

#include <QApplication>

#include "base/configuration.h"
#include "program/program.h"
#include "widgets/accessibility.h"
#include "widgets/qt_canvas.h"
#include "windows/help_window.h"
#include "windows/list_picker_window.h"
#include "windows/main_window.h"
#include "windows/print_window.h"
#include "windows/search_window.h"
#include "windows/statistics_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessla"));
    tessla::checkTextFace();
    tessla::installAccessibility();
    tessla::Program program;
    program.openDatabase(tessla::configurationFilePath(tessla::configurationPlacesFromEnvironment()));

    // The other windows belong to the main window, so a window manager keeps them above it; they
    // are made once and keep their state between showings.
    tessla::Tmain_form mainForm(program);
    auto* help = new tessla::Ttextform(program, &mainForm);
    auto* picker = new tessla::Tsoktabform(program, *help, &mainForm);
    mainForm.setHelp(*help);
    mainForm.setPersonSearch(*new tessla::Tsok_form(program, *picker, *help, &mainForm));
    mainForm.setChildSearch(*new tessla::Tsokbarn_form(program, *picker, *help, &mainForm));
    mainForm.setStatistics(*new tessla::Tstatform(program, *help, &mainForm));
    mainForm.setPrint(*new tessla::Tskriv_form(program, *help, &mainForm));
    mainForm.show();
    return QApplication::exec();
}
