#pragma once

#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/SystemInfo.h"
#include "platform/fake/FakeBrowser.h"
#include "shell/Phone.h"
#include "site/PageHandler.h"

#include <filesystem>
#include <string>

namespace vq::bench {

// One station on a bench classroom, its identity and paths set as start-up sets them: a new one is
// a phone just started, with nothing read yet.
struct BenchStation {
    explicit BenchStation(const std::filesystem::path& classroom, const std::string& name = "PC07",
                          const std::string& address = "192.168.0.17");
    BenchStation(const BenchStation&) = delete;
    BenchStation& operator=(const BenchStation&) = delete;

    // Runs a page handler the way the dispatcher does for a link to page, as a plain visit (not a
    // post). A failing file operation comes out as the PlatformError the pupil would see.
    void Visit(PageHandler handler, const std::string& page);

    FakeBrowser browser;
    ManualClock clock;
    RecordingErrorReporter errors;
    FixedSystemInfo system;
    Phone phone;
};

} // namespace vq::bench
