#pragma once

#include "Waiting.h"

#include "desktop/phone/DesktopPhone.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace vqtest {

// One desktop phone, PC01, on the sample classroom folder; a test may change the folder after this
// SetUp and before it starts the phone.
class SampleStationTest : public ::testing::Test {
protected:
    // The phone's camera films the given source.
    explicit SampleStationTest(vq::CaptureSource camera = vq::CaptureSource::TestPattern)
        : station{system, clock, errors, camera, &trace} {}
    void SetUp() override { classroom.UseSampleContent(); }
    // Start-up, until the start page has loaded.
    void StartPhone() {
        station.Start();
        ASSERT_TRUE(WaitForCompletion(phone().StartPage));
    }
    vq::Phone& phone() { return station.phone(); }
    vq::TForm1& window() { return station.window(); }
    int Completions(const std::string& address) const {
        return static_cast<int>(std::count(trace.events.begin(), trace.events.end(), "complete " + address));
    }
    bool WaitForCompletion(const std::string& address, int times = 1) {
        return WaitUntil([&] { return Completions(address) >= times; });
    }

    Classroom classroom;
    vq::FixedSystemInfo system{classroom.root.string(), "PC01", "192.168.0.1"};
    vq::ManualClock clock;
    vq::RecordingErrorReporter errors;
    TraceRecorder trace;
    vq::DesktopPhone station;
};

} // namespace vqtest
