#include "desktop/common/QuietTerminal.h"

#include <QByteArray>
#include <QLatin1String>

#include <array>
#include <cstdio>
#include <string_view>

namespace vq {
namespace {

// Logging categories that speak for their own developers: the engine's settings dump at start, Qt
// Multimedia and the GStreamer pipeline under it, and the pages' console ("js"), whose pages are the
// classroom's own.
constexpr std::array<std::string_view, 3> kNoisyCategories{"qt.webenginecontext", "qt.multimedia", "js"};

// What the platform plugin says on a normal start where it lacks a feature the program does without:
// window masks and size hints offscreen, a GPU where the engine runs without one.
constexpr std::array<std::string_view, 2> kNoisyMessagePrefixes{"This plugin does not support",
                                                                 "No suitable graphics backend found"};

bool StartsWithAnyOf(std::string_view text, const auto& prefixes) {
    for (const std::string_view prefix : prefixes)
        if (text.starts_with(prefix)) return true;
    return false;
}

// The category or one below it ("qt.multimedia.gstreamer" is Qt Multimedia's).
bool InNoisyCategory(std::string_view category) {
    for (const std::string_view noisy : kNoisyCategories)
        if (category.starts_with(noisy) && (category.size() == noisy.size() || category[noisy.size()] == '.'))
            return true;
    return false;
}

void OnlyRealProblems(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (IsKnownNoise(type, context.category, message)) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void AddEngineFlag(const QByteArray& flag) {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains(flag)) return;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.isEmpty() ? flag : flags + ' ' + flag);
}

} // namespace

bool IsKnownNoise(QtMsgType type, const char* category, const QString& message) {
    if (type == QtFatalMsg) return false;
    if (type == QtDebugMsg || type == QtInfoMsg) return true;
    if (category && InNoisyCategory(category)) return true;
    return StartsWithAnyOf(message.toStdString(), kNoisyMessagePrefixes);
}

bool DebugOutputWanted() { return qEnvironmentVariable("VELQUINLAN_DEBUG") == QLatin1String("1"); }

void KeepTerminalQuiet() {
    if (DebugOutputWanted()) return;
    qInstallMessageHandler(OnlyRealProblems);
    AddEngineFlag("--log-level=3"); // the engine's own log: fatal errors only
}

} // namespace vq
