#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace vq {

// A local date and time as the pupil's PC shows it.
struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual LocalDateTime Now() const = 0;
};

class SystemClock final : public Clock {
public:
    [[nodiscard]] LocalDateTime Now() const override;
};

// A clock that moves only when told to: tests and vqsim read it as a timeline.
class ManualClock final : public Clock {
public:
    explicit ManualClock(LocalDateTime start = {2026, 12, 7, 9, 0, 0, 0}) { Set(start); }
    [[nodiscard]] LocalDateTime Now() const override;
    void Set(const LocalDateTime& time);
    void AdvanceSeconds(double seconds);
    void AdvanceMilliseconds(std::int64_t ms);

private:
    std::chrono::sys_time<std::chrono::milliseconds> now_{};
};

// The time stamp text: short date "yyyy/MM/dd", then, unless the time is exactly 00:00:00, a blank
// and the long time "H:mm:ss". It contains neither "," nor "#c#", so records and log lines split safely.
std::string TimeStampText(const LocalDateTime& t);
// "H:mm:ss" alone.
std::string LongTimeText(const LocalDateTime& t);
// "yyyy/MM/dd" alone.
std::string ShortDateText(const LocalDateTime& t);

// Parses "YYYY/MM/DD H:MM:SS"; false when the text is not of that shape.
bool ParseDateTime(const std::string& text, LocalDateTime& out);

} // namespace vq
