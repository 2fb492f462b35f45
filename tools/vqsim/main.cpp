// vqsim: runs stations of the phone on one data folder from a script and prints what they do.

#include "Script.h"
#include "ScriptRun.h"
#include "Simulator.h"

#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: vqsim [SCRIPT]\n";
        return 2;
    }
    std::stringstream text;
    std::filesystem::path folder = std::filesystem::current_path();
    if (argc == 2) {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            std::cerr << "vqsim: cannot read " << argv[1] << '\n';
            return 2;
        }
        text << in.rdbuf();
        folder = std::filesystem::absolute(argv[1]).parent_path();
    } else {
        text << std::cin.rdbuf();
    }
    vqsim::Simulator simulator(folder, std::cout);
    const int status = vqsim::RunScript(simulator, vqsim::ParseScript(text.str()), std::cerr);
    std::cout.flush();
    return status;
}
