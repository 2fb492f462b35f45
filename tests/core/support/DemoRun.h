#pragma once

#include "support/Classroom.h"

#include <string>

namespace vqtest {

// Runs a script of tools/demo with vqsim in the classroom folder and returns what it prints.
std::string RunDemoScript(const Classroom& classroom, const std::string& script);
// The same for a script given as its text (UTF-8).
std::string RunScript(const Classroom& classroom, const std::string& script);
// True when the output holds the whole line.
bool Prints(const std::string& output, const std::string& line);

} // namespace vqtest
