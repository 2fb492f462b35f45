#pragma once

#include "platform/FileState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vq {

// The lines of a file that only grows (an activity log, a sent log), read in steps: each update
// reads only what was added since the last one. A last line without its line end may be one a
// phone is writing at this moment; it is taken only when the file has not changed since it was
// seen, so a line caught half-written is never counted as something else.
class AppendedLines {
public:
    // A report made once (the command line, a saved lesson) takes the tail as it is, as the phone's
    // charge page does; a view refreshed every few seconds waits for it.
    enum class Tail { WaitUntilSettled, TakeAsIs };

    // Brings the lines up to date with the file whose current state is given (nullopt: the file is
    // gone). True when the lines changed. A file that became shorter was replaced (a lesson was
    // archived) and is read again from its start. Throws PlatformError when it cannot be read.
    bool Update(const std::string& path, const std::optional<FileState>& state, Tail tail = Tail::WaitUntilSettled);

    // The complete lines, without their line ends, oldest first.
    [[nodiscard]] const std::vector<std::string>& Lines() const { return lines_; }

private:
    void Restart();
    void TakeTail();

    std::optional<FileState> seen_;
    std::uint64_t consumed_ = 0; // bytes already split into lines_
    std::string pending_;        // the unterminated tail seen last
    std::vector<std::string> lines_;
};

} // namespace vq
