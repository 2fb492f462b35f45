#pragma once

#include <string>

namespace vq {

// A running phone says so by holding a lock on one byte of its own inbox file for as long as it runs:
// a second phone started under the same name finds the byte taken and does not start as that station,
// and the teacher's console sees which stations are running without asking them.
//
// The byte lies next to the one senders and the take lock (2^62), so holding it never makes a sender,
// the owner's own take or the console wait. It is an open-file-description lock: closing another
// handle of the same file (every append and take does) does not drop it, and two phones in one
// process (tests) exclude each other as two computers do. It reaches other computers wherever the
// share passes byte-range locks to the server.
class StationLock {
public:
    enum class State { Held, TakenByAnother, LocksUnsupported };

    // Tries once, without waiting, to take the lock of the inbox at path. Throws PlatformError when
    // the file cannot be opened.
    [[nodiscard]] static StationLock TryTake(const std::string& inboxPath);

    StationLock() = default;
    StationLock(StationLock&& other) noexcept;
    StationLock& operator=(StationLock&& other) noexcept;
    StationLock(const StationLock&) = delete;
    StationLock& operator=(const StationLock&) = delete;
    ~StationLock();

    [[nodiscard]] State state() const { return state_; }
    // True when the inbox at path is no longer the file this lock lies on: it was deleted and made
    // again. False while it is the same file, when no lock is held and when there is no file at path
    // (nothing or a folder).
    [[nodiscard]] bool Moved(const std::string& inboxPath) const;
    // Lets the lock go (the phone closes, or its inbox file was replaced and must be locked anew).
    void Release();

private:
    StationLock(int fd, State state) : fd_(fd), state_(state) {}

    int fd_ = -1;
    State state_ = State::LocksUnsupported;
};

enum class StationRunning { Yes, No, Unknown };

// Whether a phone holds the station lock of the inbox at path, asked without taking anything:
// Unknown when the file system keeps no locks, No when the inbox does not exist.
[[nodiscard]] StationRunning ProbeStationLock(const std::string& inboxPath);

} // namespace vq
