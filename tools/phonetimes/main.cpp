// vqphonetimes: how quickly the desktop phone answers, measured on the real browser view.
//   vqphonetimes [CLASSROOM-FOLDER]   (default: the current folder; its data/ is copied, not changed)
// Prints the time from the program's start to the start page shown, and the median time from a form
// submission to the charge page's navigate-complete over 20 submissions.

#include "platform/Clock.h"
#include "platform/ErrorReporter.h"
#include "platform/SystemInfo.h"
#include "desktop/phone/DesktopPhone.h"
#include "shell/EventTrace.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QWebEngineView>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kSubmissions = 20;

// Seconds since this process was created, from the kernel's own record of its start.
double SecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // Field 22 (start time in clock ticks since boot) counts from the ")" that ends field 2.
    std::size_t at = line.rfind(')');
    for (int field = 2; field < 22 && at != std::string::npos; ++field) at = line.find(' ', at + 1);
    const double started = std::stod(line.substr(at + 1)) / static_cast<double>(::sysconf(_SC_CLK_TCK));
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return uptime - started;
}

std::string MachineState() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line, model = "?";
    while (std::getline(cpuinfo, line))
        if (line.rfind("model name", 0) == 0) {
            model = line.substr(line.find(':') + 2);
            break;
        }
    std::string load;
    std::getline(std::ifstream("/proc/loadavg") >> std::ws, load);
    return model + ", " + std::to_string(QThread::idealThreadCount()) + " threads, load " + load;
}

// Counts the navigations that completed at each address.
struct Completions final : vq::EventTrace {
    void Event(std::string_view kind, const std::string& text) override {
        if (kind == "complete") done.push_back(text);
    }
    [[nodiscard]] long Count(const std::string& address) const {
        return std::count(done.begin(), done.end(), address);
    }
    std::vector<std::string> done;
};

struct StderrReporter final : vq::ErrorReporter {
    void Report(const std::string& message) override { std::fprintf(stderr, "error: %s\n", message.c_str()); }
};

bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 30000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void WriteFormPage(const fs::path& data) {
    std::ofstream page(data / "kyouzai/contents/timing_form.html", std::ios::binary);
    page << "<html><head><meta charset=\"Shift_JIS\"></head><body>\r\n"
            "<form action=\"http://velquin.invalid/price.html\"><input name=\"a\" value=\"1\">"
            "<input type=\"submit\" id=\"send\"></form>\r\n</body></html>\r\n";
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return (values[values.size() / 2] + values[(values.size() - 1) / 2]) / 2;
}

void DefaultTo(const char* name, const char* value) {
    if (qEnvironmentVariableIsEmpty(name)) qputenv(name, value);
}

int Fail(const char* what) {
    std::fprintf(stderr, "vqphonetimes: %s did not complete within 30 s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const double startedBeforeMain = SecondsSinceProcessStart();
    QElapsedTimer sinceMain;
    sinceMain.start();
    // Measured as the tests run: offscreen unless there is a screen, and as the engine runs as root.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) DefaultTo("QT_QPA_PLATFORM", "offscreen");
    DefaultTo("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);

    const fs::path classroom = argc > 1 ? fs::path(argv[1]) : fs::current_path();
    QTemporaryDir copy;
    if (!fs::exists(classroom / "data") || !copy.isValid()) {
        std::fprintf(stderr, "usage: vqphonetimes [CLASSROOM-FOLDER]  (a folder that holds data/)\n");
        return 2;
    }
    const fs::path root = copy.path().toStdString();
    fs::copy(classroom / "data", root / "data", fs::copy_options::recursive);
    WriteFormPage(root / "data");
    const qint64 copyMs = sinceMain.elapsed();

    vq::FixedSystemInfo system(root.string(), "TIMING", "192.168.0.1");
    vq::SystemClock clock;
    StderrReporter errors;
    Completions completions;
    vq::DesktopPhone station(system, clock, errors, vq::CaptureSource::TestPattern, &completions);
    station.Start();
    const std::string startPage = station.phone().StartPage;
    if (!WaitUntil([&] { return completions.Count(startPage) >= 1; })) return Fail("the start page");
    const double startUpMs = startedBeforeMain * 1000 + static_cast<double>(sinceMain.elapsed() - copyMs);

    const std::string formPage = station.phone().DataPath("kyouzai/contents/timing_form.html");
    const std::string resultPage = station.phone().DataPath("price/tmpTIMINGprice.html");
    std::vector<double> submissions;
    for (int i = 0; i < kSubmissions; ++i) {
        const long before = completions.Count(formPage);
        station.phone().Navigate(formPage);
        if (!WaitUntil([&] { return completions.Count(formPage) > before; })) return Fail("the form page");
        const long results = completions.Count(resultPage);
        QElapsedTimer submitted;
        submitted.start();
        station.browser().View()->page()->runJavaScript(QStringLiteral("document.getElementById('send').click();"));
        if (!WaitUntil([&] { return completions.Count(resultPage) > results; })) return Fail("the charge page");
        submissions.push_back(static_cast<double>(submitted.nsecsElapsed()) / 1e6);
    }

    std::printf("machine: %s\n", MachineState().c_str());
    std::printf("program start to start page shown (navigate-complete): %.0f ms\n", startUpMs);
    std::printf("  of which before main(): %.0f ms (loading the libraries)\n", startedBeforeMain * 1000);
    std::printf("form submission to charge page navigate-complete: median %.1f ms of %d (min %.1f, max %.1f)\n",
                Median(submissions), kSubmissions, *std::min_element(submissions.begin(), submissions.end()),
                *std::max_element(submissions.begin(), submissions.end()));
    return 0;
}
