#include <QApplication>
#include <gtest/gtest.h>

// Widget tests run without a display: the offscreen platform renders into
// memory, so key and mouse events and painting work as on a real screen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
