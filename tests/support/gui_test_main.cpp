// The GUI tests run inside one application object on Qt's offscreen platform, so they need no
// display; screenshots they write go under the build directory. The controls' accessible
// interfaces are installed as the program installs them.

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "widgets/accessibility.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's file dialog remembers the folder it last showed in the user's settings and opens there
    // next time: each run keeps its settings to itself, so that no dialog opens where another run
    // (or the user) left one, in a folder that may be gone or, under /proc, hang its listing.
    const QTemporaryDir settings;
    if (settings.isValid()) qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tessla::installAccessibility();
    return RUN_ALL_TESTS();
}
