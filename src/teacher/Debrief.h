#pragma once

#include "teacher/StationLesson.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vq {

// What the fake sites collected from the class, for the talk after the lesson.

// What a pupil typed into a fortune.
enum class Collected { Name, Birthday, MailAddress, PhoneNumber, Pair };

struct CollectedValue {
    std::string station; // CP932
    Collected kind;
    std::u16string value; // as typed (a birthday as "05月03日", a pair as "たろう、はなこ")
    std::u16string time;  // when it was first typed
    int times = 1;        // how often the same value was typed
};

// A click a station made on a risk page, with how often it made it.
struct RiskClick {
    std::string station;
    std::u16string detail; // "はい" or "いいえ" on the adult site; "登録した" otherwise
    std::u16string time;   // the first such click
    int times = 1;
};

struct FreeSignUp {
    std::string station;
    int signUps = 0;         // completed sign-up pages
    std::int64_t spamMails = 0; // spam mails the sign-up mails brought into the inbox
    std::u16string time;        // the first sign-up, or the first mail to the spam address
};

struct PhotoRegistration {
    std::string station;
    std::u16string photo; // file name in mail_photo/
    std::u16string time;
};

struct Debrief {
    std::vector<CollectedValue> collected; // station by station, in the order typed
    std::vector<RiskClick> adultSite;
    std::vector<RiskClick> datingSite;
    std::vector<FreeSignUp> freeSignUps;
    std::vector<PhotoRegistration> photos;
};

// The debrief of the stations' lessons. spamPerMail: the mails one mail to the spam address brings
// (the lines of the canned spam file).
[[nodiscard]] Debrief DebriefOf(const std::vector<StationLesson>& lessons, std::int64_t spamPerMail);

// How many stations typed a value of the kind.
[[nodiscard]] int StationsThatTyped(const Debrief& debrief, Collected kind);

// The heading a kind is shown under, e.g. "電話番号".
[[nodiscard]] std::u16string CollectedLabel(Collected kind);

} // namespace vq
