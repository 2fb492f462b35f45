#pragma once

#include "platform/StationLock.h"
#include "site/ChargeTable.h"

#include <cstdint>
#include <string>

namespace vq {

// One row of the class view: a station and what it did.
struct StationSummary {
    std::string station;              // CP932
    StationRunning running = StationRunning::No;
    std::u16string lastActivity;      // time stamp of the last logged event; empty when none
    Bill bill;                        // as the station's own charge page shows it
    std::int64_t mailsSent = 0;
    std::int64_t mailsReceived = 0;
    std::int64_t boardPosts = 0;      // posts on the board now (hidden ones not counted)
    std::int64_t timelinePosts = 0;
    std::int64_t profiles = 0;        // profile pages published now
    std::int64_t riskClicks = 0;      // adult site, dating site, free sign-up
};

// The counts the bill already holds: mails and risk-page clicks.
void CountFromBill(StationSummary& summary);

} // namespace vq
