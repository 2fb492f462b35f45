#include "support/DemoRun.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace vqtest {

std::string RunDemoScript(const Classroom& classroom, const std::string& script) {
    const std::string command = "cd '" + classroom.root.string() + "' && '" + VQ_VQSIM + "' '" +
                                (SourceDir() / "tools/demo" / script).string() + "' 2>&1";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) output.append(buf, n);
        EXPECT_EQ(::pclose(pipe), 0) << output;
    }
    return output;
}

bool Prints(const std::string& output, const std::string& line) {
    return output.starts_with(line + "\n") || output.find("\n" + line + "\n") != std::string::npos;
}

} // namespace vqtest
