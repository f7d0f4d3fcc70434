// tessla-window-shots INI LAST-NAME FOLDER: draws the desktop program's main window after a search
// for LAST-NAME in the database INI names, in Swedish and in English at 1x and 2x, into PNG files in
// FOLDER and prints their paths; on Qt's offscreen platform it needs no display (scripts/demo).

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "program/program.h"
#include "widgets/accessibility.h"
#include "widgets/qt_canvas.h"
#include "windows/main_window.h"
#include "windows/program_windows.h"

namespace {

// Types `name` into the search window's last-name field once it shows, and searches with Enter.
void searchWhenShown(const QString& name) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name] {
        QWidget* window = QApplication::activeModalWidget();
        auto* field = window == nullptr ? nullptr : window->findChild<QLineEdit*>(QStringLiteral("enedit"));
        if (field == nullptr) return;
        timer->deleteLater();
        field->setText(name);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(window, &enter);
    });
    timer->start(20);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: tessla-window-shots INI LAST-NAME FOLDER\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    tessla::checkTextFace();
    tessla::installAccessibility();
    tessla::Program program;
    program.setMessagePresenter([](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    if (!program.openDatabase(argv[1])) return 2;
    tessla::Tmain_form mainForm(program);
    tessla::makeOwnedWindows(program, mainForm);
    mainForm.show();
    QApplication::processEvents();

    searchWhenShown(QString::fromLocal8Bit(argv[2]));
    mainForm.dosoek();
    if (mainForm.browser().resultCount() == 0) {
        std::fprintf(stderr, "tessla-window-shots: nobody named %s was found\n", argv[2]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(folder);
    for (const tessla::Language language : {tessla::Language::Swedish, tessla::Language::English}) {
        program.setLanguage(language);
        // Let the record and the household be built and drawn.
        QTimer::singleShot(mainForm.idleDelay() * 3, &application, &QApplication::quit);
        QApplication::exec();
        for (const int ratio : {1, 2}) {
            QImage shot(mainForm.size() * ratio, QImage::Format_ARGB32_Premultiplied);
            shot.setDevicePixelRatio(ratio);
            mainForm.render(&shot);
            const QString path = QStringLiteral("%1/main_window_%2@%3x.png")
                                     .arg(folder, tessla::inLanguage(language, "sv", "en"))
                                     .arg(ratio);
            if (!shot.save(path)) return 2;
            std::printf("%s\n", qPrintable(QDir(path).absolutePath()));
        }
    }
    return 0;
}
