#pragma once

namespace vq {
class Phone;

// The phone cannot be this station. It says why and what to do (the error the caller reports), and
// from then on acts as no station at all, until it is closed: no poll, no page, nothing billed.

// The name cannot be a station's (see IsUsableStationName and IsSpecialAddress).
[[noreturn]] void RefuseUnusableName(Phone& phone);
// Another phone runs as this station already.
[[noreturn]] void RefuseNameInUse(Phone& phone);

} // namespace vq
