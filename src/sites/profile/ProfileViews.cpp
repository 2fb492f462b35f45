#include "sites/profile/ProfileViews.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace vq {
namespace {

constexpr std::size_t kTimeDigits = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::uint32_t DigitsValue(std::string_view text, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = at; i < at + kTimeDigits; ++i) value = value * 10 + static_cast<std::uint32_t>(text[i] - '0');
    return value;
}

bool StartsWithTimeDigits(std::string_view id) {
    return id.size() >= kTimeDigits && std::all_of(id.begin(), id.begin() + kTimeDigits, IsDigit);
}

// Finds which ids occur in a counter file name. A ProfileId begins with six digits, so only the
// places of a name where six digits begin can hold one, and only ids with those digits can match:
// a class's 50,000 view files are counted in one pass instead of once per profile.
class ViewIndex {
public:
    explicit ViewIndex(const std::vector<std::string>& ids) : ids_(ids) {
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (StartsWithTimeDigits(ids[i])) byDigits_[DigitsValue(ids[i], 0)].push_back(i);
            else irregular_.push_back(i);
        }
    }

    // Adds one to the count of every id that occurs in name, once per name.
    void Count(std::string_view name, std::vector<int>& counts) {
        found_.clear();
        std::size_t digitRun = 0;
        for (std::size_t end = 0; end < name.size(); ++end) {
            digitRun = IsDigit(name[end]) ? digitRun + 1 : 0;
            if (digitRun < kTimeDigits) continue;
            const std::size_t start = end + 1 - kTimeDigits;
            const auto bucket = byDigits_.find(DigitsValue(name, start));
            if (bucket == byDigits_.end()) continue;
            for (std::size_t i : bucket->second)
                if (name.substr(start).starts_with(ids_[i])) Found(i);
        }
        for (std::size_t i : irregular_)
            if (name.find(ids_[i]) != std::string_view::npos) Found(i);
        for (std::size_t i : found_) ++counts[i];
    }

private:
    void Found(std::size_t i) {
        if (std::find(found_.begin(), found_.end(), i) == found_.end()) found_.push_back(i);
    }

    const std::vector<std::string>& ids_;
    std::unordered_map<std::uint32_t, std::vector<std::size_t>> byDigits_;
    std::vector<std::size_t> irregular_; // ids of stored pages not made by this program
    std::vector<std::size_t> found_;
};

} // namespace

std::vector<int> CountAllProfileViews(const std::vector<std::string>& ids, const std::vector<std::string>& counterNames) {
    std::vector<int> counts(ids.size(), 0);
    ViewIndex index(ids);
    for (const std::string& name : counterNames) index.Count(name, counts);
    return counts;
}

int CountProfileViews(std::string_view id, const std::vector<std::string>& counterNames) {
    return CountAllProfileViews({std::string(id)}, counterNames).front();
}

} // namespace vq
