#include "teacher/AppendedLines.h"

#include "platform/Files.h"

namespace vq {

void AppendedLines::Restart() {
    consumed_ = 0;
    pending_.clear();
    lines_.clear();
}

void AppendedLines::TakeTail() {
    consumed_ += pending_.size();
    if (pending_.back() == '\r') pending_.pop_back();
    lines_.push_back(std::move(pending_));
    pending_.clear();
}

bool AppendedLines::Update(const std::string& path, const std::optional<FileState>& state, Tail tail) {
    if (!state) {
        const bool had = seen_.has_value() || !lines_.empty();
        seen_.reset();
        Restart();
        return had;
    }
    if (seen_ && *state == *seen_) {
        if (pending_.empty()) return false;
        // Unchanged since the tail was seen: no one is writing it; it is the file's last line.
        TakeTail();
        return true;
    }
    bool changed = false;
    if (static_cast<std::uint64_t>(state->size) < consumed_ + pending_.size()) {
        changed = !lines_.empty();
        Restart();
    }
    const std::string added = ReadFrom(path, consumed_);
    seen_ = state;
    const std::size_t lastEnd = added.rfind('\n');
    const std::size_t complete = lastEnd == std::string::npos ? 0 : lastEnd + 1;
    for (std::string& line : SplitLines(std::string_view(added).substr(0, complete))) lines_.push_back(std::move(line));
    changed = changed || complete > 0;
    consumed_ += complete;
    pending_ = added.substr(complete);
    if (tail == Tail::TakeAsIs && !pending_.empty()) {
        TakeTail();
        changed = true;
    }
    return changed;
}

} // namespace vq
