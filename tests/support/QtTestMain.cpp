#include <QApplication>
#include <gtest/gtest.h>

// Window tests need a QApplication. The test registration sets the offscreen
// platform, but test discovery runs the binary without that environment, so
// it is the default here too: no display is ever required.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
