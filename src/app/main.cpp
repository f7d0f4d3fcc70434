// The desktop program: one program object, which opens the database the configuration names
// before the first window shows and closes it when the program ends, and its main window. No
// command-line arguments are read.

#include <cstdlib>

#include <QApplication>

#include "base/configuration.h"
#include "program/program.h"
#include "widgets/accessibility.h"
#include "widgets/qt_canvas.h"
#include "windows/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessla"));
    tessla::checkTextFace();
    tessla::installAccessibility();
    tessla::Program program;
    program.openDatabase(tessla::configurationFilePath(std::getenv("TESSLA_INI")));
    tessla::Tmain_form mainForm(program);
    mainForm.show();
    return QApplication::exec();
}
