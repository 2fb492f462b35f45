#pragma once

#include "Script.h"
#include "Simulator.h"

#include <iosfwd>
#include <vector>

namespace vqsim {

// Runs a script's commands in order. "loop SECONDS" runs the commands up to its "end" again and
// again until that many seconds of real time have passed since the loop began (a round once begun
// is finished), with the round's number for "{n}". A mistake inside a loop is reported on errors and
// ends only that round, so that a long run goes on; anywhere else it ends the script. Returns the
// exit status: 0, or 2 after a mistake outside a loop.
int RunScript(Simulator& simulator, const std::vector<Command>& commands, std::ostream& errors);

} // namespace vqsim
