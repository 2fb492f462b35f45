#pragma once

namespace vqsim {

// The classroom soak ends stations with SIGTERM at any moment, as a pupil's PC that is switched off
// or crashes. One moment is kept from it: between a take of the inbox and the printing of what it
// brought, since mail taken lives only in the phone's memory and would vanish from the count.
// HoldTermination defers SIGTERM from the take on; ReleaseTermination lets it through again once
// the output is flushed, and a SIGTERM that came meanwhile ends the process there.
void HoldTermination();
void ReleaseTermination();

} // namespace vqsim
