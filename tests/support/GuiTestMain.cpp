// The main of test programs that need real widgets: a QApplication exists
// for every test, as it does in the program.
#include <QApplication>
#include <QSurfaceFormat>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // The scene is drawn with OpenGL 1.x: the view needs a compatibility
    // profile with a depth buffer, as the program asks for at start.
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);

    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
