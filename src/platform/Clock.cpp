#include "platform/Clock.h"

#include <cstdio>
#include <ctime>

namespace vq {

LocalDateTime SystemClock::Now() const {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
            static_cast<int>(ms)};
}

LocalDateTime ManualClock::Now() const {
    using namespace std::chrono;
    const auto days = floor<std::chrono::days>(now_);
    const year_month_day ymd{days};
    const hh_mm_ss<milliseconds> time{now_ - days};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()),
            static_cast<int>(time.subseconds().count())};
}

void ManualClock::Set(const LocalDateTime& t) {
    using namespace std::chrono;
    const sys_days days{year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)}};
    now_ = days + hours{t.hour} + minutes{t.minute} + seconds{t.second} + milliseconds{t.millisecond};
}

void ManualClock::AdvanceSeconds(double seconds) {
    AdvanceMilliseconds(static_cast<std::int64_t>(seconds * 1000.0 + (seconds >= 0 ? 0.5 : -0.5)));
}

void ManualClock::AdvanceMilliseconds(std::int64_t ms) { now_ += std::chrono::milliseconds{ms}; }

std::string LongTimeText(const LocalDateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}

std::string ShortDateText(const LocalDateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", t.year, t.month, t.day);
    return buf;
}

std::string TimeStampText(const LocalDateTime& t) {
    std::string text = ShortDateText(t);
    if (t.hour != 0 || t.minute != 0 || t.second != 0) text += " " + LongTimeText(t);
    return text;
}

bool ParseDateTime(const std::string& text, LocalDateTime& out) {
    LocalDateTime t;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d/%d/%d %d:%d:%d%c", &t.year, &t.month, &t.day, &t.hour, &t.minute, &t.second,
                    &tail) != 6)
        return false;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
        t.minute > 59 || t.second < 0 || t.second > 59)
        return false;
    out = t;
    return true;
}

} // namespace vq
