#pragma once

#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/SystemInfo.h"
#include "platform/fake/FakeBrowser.h"
#include "shell/EventTrace.h"
#include "shell/Phone.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vqtest {

// A fresh classroom folder with an empty data/ of every folder the program writes to; removed at the end.
class Classroom {
    std::filesystem::path top_;

public:
    // innerFolder: the classroom lies in a folder of that name (UTF-8) inside the temporary one.
    explicit Classroom(const std::string& innerFolder = {});
    ~Classroom();
    Classroom(const Classroom&) = delete;
    Classroom& operator=(const Classroom&) = delete;

    // The few files start-up reads: 31 questions, the body pictures and a start page.
    void PrepareForStartUp() const;
    // Fills data/ from the project's own content, as the sample folder is built.
    void UseSampleContent();

    // Writes a data file: UTF-8 text becomes CP932, each "\n" CR LF.
    void Write(const std::string& relative, const std::string& utf8) const;
    // Writes a data file byte for byte, as a broken station or a hand edit may have left it.
    void WriteBytes(const std::string& relative, const std::string& bytes) const;
    // A data file as UTF-8, with its CR LF kept.
    [[nodiscard]] std::string Read(const std::string& relative) const;
    [[nodiscard]] bool Exists(const std::string& relative) const;
    [[nodiscard]] std::string DataRoot() const { return (root / "data").string() + "/"; }

    std::filesystem::path root;
};

// The lines of a data file as UTF-8, without their CR LF.
std::vector<std::string> DataLines(const Classroom& classroom, const std::string& relative);

// Records what a phone does, in the words vqsim prints.
struct TraceRecorder final : vq::EventTrace {
    void Event(std::string_view kind, const std::string& text) override {
        events.push_back(std::string(kind) + " " + text);
    }
    [[nodiscard]] std::vector<std::string> Handlers() const;
    std::vector<std::string> events;
};

// One station on a classroom folder, with a fake browser, a manual clock and recorded errors; it has
// a camera only when given one.
class Station {
public:
    Station(const Classroom& classroom, const std::string& name, vq::ManualClock& clock,
            const std::string& address = "192.168.0.1", vq::Capture* camera = nullptr);
    // Runs start-up and lets the start page load.
    void Start();
    // The pupil follows a link (or submits the shown form) to a path under data/ or to an address.
    void Open(const std::string& addressOrRelative);
    void Fill(int k, const std::string& utf8);

    vq::FixedSystemInfo system;
    vq::FakeBrowser browser;
    vq::RecordingErrorReporter errors;
    TraceRecorder trace;
    vq::Phone phone;
};

// The sample content folder of the project.
std::filesystem::path SourceDir();

} // namespace vqtest
