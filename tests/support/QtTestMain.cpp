#include <QApplication>
#include <gtest/gtest.h>

// Window tests need a QApplication; the offscreen platform is set by the test
// registration so no display is required.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
