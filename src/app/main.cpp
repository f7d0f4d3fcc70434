// The desktop program: one program object and its main window; the database opens when the
// window is first shown. No command-line arguments are read.

#include <QApplication>

#include "program/program.h"
#include "windows/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessla"));
    tessla::Program program;
    tessla::Tmain_form mainForm(program);
    mainForm.show();
    return QApplication::exec();
}
