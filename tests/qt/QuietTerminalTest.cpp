// The terminal of both programs: the chatter Qt and the browser engine print in normal use is
// dropped, every other warning still reaches it.

#include "desktop/common/QuietTerminal.h"

#include <gtest/gtest.h>

using namespace vq;

TEST(QuietTerminal, DropsTheKnownChatterAndLetsEveryOtherWarningThrough) {
    const auto noise = [](QtMsgType type, const char* category, const char* message) {
        return IsKnownNoise(type, category, QString::fromUtf8(message));
    };
    // What a normal start and the camera print.
    EXPECT_TRUE(noise(QtInfoMsg, "qt.webenginecontext", "GL Type: disabled"));
    EXPECT_TRUE(noise(QtWarningMsg, "qt.webenginecontext", "anything"));
    EXPECT_TRUE(noise(QtWarningMsg, "qt.multimedia.gstreamer", "pipeline stalled"));
    EXPECT_TRUE(noise(QtCriticalMsg, "qt.multimedia", "no video input"));
    EXPECT_TRUE(noise(QtCriticalMsg, "js", "Uncaught ReferenceError: x is not defined"));
    EXPECT_TRUE(noise(QtWarningMsg, "default", "This plugin does not support setting window masks"));
    EXPECT_TRUE(noise(QtWarningMsg, "default", "This plugin does not support propagateSizeHints()"));
    EXPECT_TRUE(noise(QtWarningMsg, "default", "No suitable graphics backend found"));
    EXPECT_TRUE(noise(QtDebugMsg, "default", "anything"));

    // A real problem is seen, whatever its category.
    EXPECT_FALSE(noise(QtWarningMsg, "default", "QFile::remove: Empty or null file name"));
    EXPECT_FALSE(noise(QtWarningMsg, "qt.qpa.xcb", "failed to connect"));
    EXPECT_FALSE(noise(QtWarningMsg, "qt.multimediaextra", "a category that only begins alike"));
    EXPECT_FALSE(noise(QtWarningMsg, "jsonrpc", "a category that only begins alike"));
    EXPECT_FALSE(noise(QtWarningMsg, nullptr, "no category at all"));
    EXPECT_FALSE(noise(QtCriticalMsg, "default", "QThread: Destroyed while thread is still running"));
    EXPECT_FALSE(noise(QtFatalMsg, "js", "even a fatal message of a noisy category"));
}
