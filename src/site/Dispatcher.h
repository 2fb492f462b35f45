#pragma once

#include "site/PageHandler.h"

#include <span>
#include <string>
#include <string_view>

namespace vq {
class Phone;

enum class Guard {
    Guarded,         // runs only while the guard is free, and takes it
    GuardedClears,   // as Guarded, and frees the guard again once it has navigated to its page
    Unguarded,       // runs whatever the guard holds
    TakesGuard,      // runs whatever the guard holds, and takes it
};

struct DispatchRow {
    std::string_view name;       // the page name the row is known by
    std::string_view alsoName;   // a second name that matches too, or empty
    std::string_view unlessName; // a name that keeps the row from matching, or empty
    Guard guard;
    PageHandler handler;

    [[nodiscard]] bool Matches(std::string_view address) const;
};

// The page names in the order they are tested.
std::span<const DispatchRow> DispatchTable();

// Runs, for the address about to load, every handler whose name it matches, in table order.
void Dispatch(Phone& phone, const std::string& address);

} // namespace vq
