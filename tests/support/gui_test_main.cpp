// The GUI tests run inside one application object on Qt's offscreen platform, so they need no
// display; screenshots they write go under the build directory. The controls' accessible
// interfaces are installed as the program installs them.

#include <QApplication>

#include <gtest/gtest.h>

#include "widgets/accessibility.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tessla::installAccessibility();
    return RUN_ALL_TESTS();
}
