#include "support/DemoRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace vqtest {
namespace {

std::string RunVqsimOn(const Classroom& classroom, const std::filesystem::path& script) {
    const std::string command =
        "cd '" + classroom.root.string() + "' && '" + VQ_VQSIM + "' '" + script.string() + "' 2>&1";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) output.append(buf, n);
        EXPECT_EQ(::pclose(pipe), 0) << output;
    }
    return output;
}

} // namespace

std::string RunDemoScript(const Classroom& classroom, const std::string& script) {
    return RunVqsimOn(classroom, SourceDir() / "tools/demo" / script);
}

std::string RunScript(const Classroom& classroom, const std::string& script) {
    const auto path = classroom.root / "script.vqs";
    std::ofstream(path) << script;
    return RunVqsimOn(classroom, path);
}

bool Prints(const std::string& output, const std::string& line) {
    return output.starts_with(line + "\n") || output.find("\n" + line + "\n") != std::string::npos;
}

} // namespace vqtest
