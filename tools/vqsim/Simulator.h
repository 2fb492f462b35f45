#pragma once

#include "Script.h"

#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/SystemInfo.h"
#include "platform/fake/FakeBrowser.h"
#include "shell/EventTrace.h"
#include "shell/Phone.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace vqsim {

// Stations on one data folder in one process, driven by script commands, printing what they do.
class Simulator {
public:
    Simulator(std::filesystem::path scriptFolder, std::ostream& out);
    ~Simulator();

    // Runs one command and then the event loop until no load is pending. Throws ScriptError.
    void Run(const Command& command);
    // The round of the innermost loop being run (1 for the first); 0 outside loops.
    void SetRound(int round) { round_ = round; }
    [[nodiscard]] int Round() const { return round_; }

private:
    struct Station;

    void SetRoot(const std::string& folder);
    void StartStation(std::string rest);
    void Use(const std::string& name);
    void Open(const std::string& address);
    void Fill(std::string rest);
    void Key(const std::string& name);
    void Swatch(const std::string& number);
    void ClickList(const std::string& row);
    void Type(std::string rest);
    void Tick(std::string rest);
    void Show();
    void Mark(const std::string& text);
    void SetTrace(const std::string& onOff);
    void RunEventLoops();

    Station& Current();
    std::string Resolve(const std::string& address);
    // TEXT with its placeholders filled in (see the README of the tool's commands).
    std::string Expand(std::string text);
    std::string OtherStation();

    std::filesystem::path scriptFolder_;
    std::filesystem::path root_;
    std::ostream& out_;
    vq::ManualClock clock_;
    std::uint32_t seed_ = 1;
    std::vector<std::unique_ptr<Station>> stations_;
    Station* current_ = nullptr;
    bool trace_ = true;     // navigations and handlers are printed
    int round_ = 0;
    const std::string runId_; // tells this run of vqsim from every other, restarts included
    std::mt19937 random_;   // picks {other}
};

} // namespace vqsim
