#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vq::bench {

// What one station of a crowd took: its first visit after start and its second.
struct CrowdTimes {
    double coldMs = 0;
    double warmMs = 0;
    std::string error;
};

// A visitor is made inside a process of its own and then called once for the cold visit and once for
// the warm one.
using Visitor = std::function<void()>;

// stations stations of one computer room visit a page at the same moment, each in a process of its
// own (as on as many PCs): all start together, all make their first visit, and once all are done,
// all make their second. makeVisitor(i) sets up station i inside its process.
[[nodiscard]] std::vector<CrowdTimes> VisitTogether(int stations, const std::function<Visitor(int)>& makeVisitor);

} // namespace vq::bench
