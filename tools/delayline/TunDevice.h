#pragma once

#include <string>

namespace vq::delayline {

// A descriptor closed with its owner.
class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd();

    [[nodiscard]] int Get() const { return fd_; }
    int Release();

private:
    int fd_;
};

// Attaches to the TUN device of that name in the current network namespace, non-blocking, packets
// without the extra header; creates it when it does not exist yet. Throws std::system_error.
[[nodiscard]] UniqueFd AttachTun(const std::string& name);

// Moves the calling thread into the named network namespace (the one `ip netns add` made), so that
// devices attached afterwards are that namespace's. Throws std::system_error.
void EnterNetworkNamespace(const std::string& name);

} // namespace vq::delayline
