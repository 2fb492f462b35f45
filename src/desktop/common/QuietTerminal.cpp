#include "desktop/common/QuietTerminal.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstring>

namespace vq {
namespace {

// The engine's logging category for the pages' console messages, at every level.
constexpr const char* kPageConsole = "js";

void OnlyRealProblems(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg) return;
    if (type == QtCriticalMsg && context.category && std::strcmp(context.category, kPageConsole) == 0) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void AddEngineFlag(const QByteArray& flag) {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains(flag)) return;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.isEmpty() ? flag : flags + ' ' + flag);
}

} // namespace

bool DebugOutputWanted() { return qEnvironmentVariable("VELQUINLAN_DEBUG") == QLatin1String("1"); }

void KeepTerminalQuiet() {
    if (DebugOutputWanted()) return;
    qInstallMessageHandler(OnlyRealProblems);
    AddEngineFlag("--log-level=3"); // the engine's own log: fatal errors only
}

} // namespace vq
