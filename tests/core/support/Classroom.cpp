#include "support/Classroom.h"

#include "platform/NativePath.h"
#include "platform/Text.h"
#include "shell/DataFolders.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vqtest {
namespace fs = std::filesystem;

namespace {

fs::path NewTempFolder() {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "vqtest-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    if (info) name += std::string("-") + info->name();
    for (char& c : name)
        if (c == '/') c = '_';
    fs::path path = fs::temp_directory_path() / name;
    fs::remove_all(path);
    fs::create_directories(path);
    return path;
}

} // namespace

fs::path SourceDir() { return VQ_SOURCE_DIR; }

Classroom::Classroom(const std::string& innerFolder)
    : top_(NewTempFolder()), root(innerFolder.empty() ? top_ : top_ / fs::path(innerFolder)) {
    for (const std::string_view folder : vq::kDataFolders) fs::create_directories(root / "data" / folder);
}

Classroom::~Classroom() {
    std::error_code ignored;
    fs::remove_all(top_, ignored);
}

void Classroom::PrepareForStartUp() const {
    std::string questions;
    for (int i = 0; i < 31; ++i) questions += "質問" + std::to_string(i) + "\n";
    Write("prof/prof_quest.txt", questions);
    for (const char* body : {"K", "W", "B", "R", "Y", "G"})
        Write(std::string("body_picture/smartphone") + body + ".bmp", "BM");
    for (const char* picture : {"chocolate", "slaim", "transparency", "iPhone_W", "icon_A_home", "iPhoneButton"})
        Write(std::string("body_picture/") + picture + ".bmp", "BM");
    Write("kyouzai/contents/index.html", "<html><body>home</body></html>\n");
}

void Classroom::UseSampleContent() {
    const std::string command = std::string(VQ_VQDATA) + " '" + (SourceDir() / "content").string() + "' '" +
                                (root / "data").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

void Classroom::Write(const std::string& relative, const std::string& utf8) const {
    std::string crlf;
    for (char c : utf8) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    std::ofstream out(root / "data" / relative, std::ios::binary | std::ios::trunc);
    out << vq::Utf8ToCp932(crlf);
}

void Classroom::WriteBytes(const std::string& relative, const std::string& bytes) const {
    std::ofstream out(root / "data" / relative, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string Classroom::Read(const std::string& relative) const {
    std::ifstream in(root / "data" / relative, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return vq::Cp932ToUtf8(s.str());
}

bool Classroom::Exists(const std::string& relative) const { return fs::exists(root / "data" / relative); }

std::vector<std::string> DataLines(const Classroom& classroom, const std::string& relative) {
    std::vector<std::string> lines;
    std::istringstream in(classroom.Read(relative));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> TraceRecorder::Handlers() const {
    std::vector<std::string> handlers;
    for (const std::string& e : events)
        if (e.rfind("handler ", 0) == 0) handlers.push_back(e.substr(8));
    return handlers;
}

Station::Station(const Classroom& classroom, const std::string& name, vq::ManualClock& clock,
                 const std::string& address, vq::Capture* camera)
    : system(vq::FromNativeName(classroom.root.string()), name, address),
      phone(vq::PhoneServices{browser, clock, errors, system, &trace, 1, camera}) {}

void Station::Start() {
    phone.FormCreate();
    browser.RunLoop();
}

void Station::Open(const std::string& addressOrRelative) {
    const bool absolute = !addressOrRelative.empty() &&
                          (addressOrRelative[0] == '/' || addressOrRelative.find("://") != std::string::npos);
    const std::string address = vq::Utf8ToCp932(addressOrRelative);
    browser.Open(absolute ? address : system.CurrentDirectory() + "/data/" + address);
    browser.RunLoop();
}

void Station::Fill(int k, const std::string& utf8) { browser.Fill(k, vq::Utf8ToWide(utf8)); }

} // namespace vqtest
