#include "shell/Heartbeat.h"

#include "mail/MailPaths.h"
#include "platform/Files.h"
#include "platform/PlatformError.h"
#include "platform/Text.h"
#include "platform/ThisProcess.h"
#include "shell/HeartbeatRecord.h"
#include "shell/Phone.h"

namespace vq {

Heartbeat::~Heartbeat() {
    if (path_.empty()) return;
    try {
        DeleteFile(path_);
    } catch (...) {
        // A file that cannot be removed (a share gone meanwhile) goes stale, as a crashed phone's does.
    }
}

// Overwritten in place and cut to length, not truncated first: its content stays the same from beat
// to beat, so a check that reads it meanwhile never finds it empty.
void Heartbeat::Beat(const std::string& path, std::string_view text) {
    path_ = path;
    FileRewriter file(path);
    file.Write(text);
    file.Finish();
}

void BeatHeart(Phone& phone) noexcept {
    try {
        const HeartbeatRecord record{phone.StationName, ThisHostName(), ThisProcessId()};
        phone.shell.Alive.Beat(InboxFolder(phone) + HeartbeatFileName(phone.StationName), HeartbeatText(record));
    } catch (const std::exception& e) {
        phone.Trace("heartbeat", Utf8ToCp932(e.what()));
    }
}

} // namespace vq
