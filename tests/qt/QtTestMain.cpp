// The Qt tests share one application object, as the program does.

#include <QApplication>

#include <gtest/gtest.h>

namespace {

void DefaultTo(const char* name, const char* value) {
    if (qEnvironmentVariableIsEmpty(name)) qputenv(name, value);
}

} // namespace

int main(int argc, char** argv) {
    // Also when started by hand or by the test discovery, which set no environment of their own.
    DefaultTo("QT_QPA_PLATFORM", "offscreen");
    DefaultTo("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
