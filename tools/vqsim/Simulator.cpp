#include "Simulator.h"

#include "Termination.h"

#include "platform/NativePath.h"
#include "platform/PlatformError.h"
#include "platform/TestPatternCapture.h"
#include "platform/Text.h"
#include "site/VirtualSite.h"

#include <unistd.h>

#include <chrono>
#include <ostream>

namespace vqsim {
namespace {

// Byte-wise replace for UTF-8 text (the CP932-aware one would step over UTF-8 bytes wrongly).
std::string ReplaceBytes(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string RunId() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::to_string(::getpid()) + "-" + std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

// A run of letters whose length changes from round to round, after its length and a ".", so that a
// reader can tell a text that arrived whole from one cut short.
std::string Pad(int round) {
    const std::size_t length = static_cast<std::size_t>(round) * 7919u % 400u;
    std::string pad = std::to_string(length) + ".";
    for (std::size_t i = 0; i < length; ++i) pad += static_cast<char>('a' + i % 26);
    return pad;
}

} // namespace

// One station: its identity, its browser, its phone and the printer of its events.
struct Simulator::Station final : vq::EventTrace, vq::ErrorReporter {
    Station(const std::string& stationName, const std::string& address, const std::filesystem::path& root,
            std::ostream& output, const vq::Clock& clock, std::uint32_t seed, const bool& traceOn)
        : name(stationName),
          dataRoot(vq::FromNativeName(root.string()) + "/data/"),
          out(output),
          trace(traceOn),
          system(vq::FromNativeName(root.string()), stationName, address),
          camera(clock),
          phone(vq::PhoneServices{browser, clock, *this, system, this, seed, &camera}) {}

    void Event(std::string_view kind, const std::string& text) override {
        if (kind == "take") {
            HoldTermination(); // until what the take brings is printed
            return;
        }
        if (trace || kind == "received") out << '[' << name << "] " << kind << ' ' << Printable(text) << '\n';
    }
    void Report(const std::string& utf8Message) override {
        ++errorsSinceMark;
        out << '[' << name << "] error " << ReplaceBytes(utf8Message, vq::Cp932ToUtf8(dataRoot), "$DATA/") << '\n';
    }

    // CP932 text as printed: UTF-8, the data folder as "$DATA/", line breaks as "\n".
    std::string Printable(const std::string& cp932) const {
        std::string text = ReplaceBytes(vq::Cp932ToUtf8(cp932), vq::Cp932ToUtf8(dataRoot), "$DATA/");
        text = ReplaceBytes(text, "\r\n", "\\n");
        return ReplaceBytes(text, "\n", "\\n");
    }
    std::string Printable(const std::u16string& wide) const { return Printable(vq::ToNarrow(wide)); }

    std::string name;
    std::string dataRoot;
    std::ostream& out;
    const bool& trace;
    int errorsSinceMark = 0;
    vq::FixedSystemInfo system;
    vq::FakeBrowser browser;
    vq::TestPatternCapture camera; // every simulated station films the test pattern
    vq::Phone phone;
};

Simulator::Simulator(std::filesystem::path scriptFolder, std::ostream& out)
    : scriptFolder_(std::move(scriptFolder)),
      root_(std::filesystem::current_path()),
      out_(out),
      runId_(RunId()),
      random_(std::random_device{}()) {}

Simulator::~Simulator() = default;

void Simulator::Run(const Command& c) {
    // Everything printed is out before the next command, or an error, and before a station may be
    // ended (see Termination.h).
    struct FlushAtEnd {
        std::ostream& out;
        ~FlushAtEnd() {
            out.flush();
            ReleaseTermination();
        }
    } flushAtEnd{out_};
    std::string rest = c.rest;
    if (c.word == "root") SetRoot(rest);
    else if (c.word == "clock") {
        vq::LocalDateTime t;
        if (!vq::ParseDateTime(rest, t)) throw ScriptError("clock needs YYYY/MM/DD H:MM:SS");
        clock_.Set(t);
    } else if (c.word == "wait") {
        try {
            std::size_t used = 0;
            const double seconds = std::stod(rest, &used);
            if (used != rest.size() || seconds < 0) throw ScriptError("");
            clock_.AdvanceSeconds(seconds);
        } catch (const std::exception&) {
            throw ScriptError("wait needs a number of seconds");
        }
    } else if (c.word == "seed") seed_ = static_cast<std::uint32_t>(ParseInt(rest, "the seed"));
    else if (c.word == "station") StartStation(rest);
    else if (c.word == "use") Use(rest);
    else if (c.word == "open") Open(rest);
    else if (c.word == "submit") Open(rest);
    else if (c.word == "fill") Fill(rest);
    else if (c.word == "key") Key(rest);
    else if (c.word == "swatch") Swatch(rest);
    else if (c.word == "list") ClickList(rest);
    else if (c.word == "type") Type(rest);
    else if (c.word == "tick") Tick(rest);
    else if (c.word == "show") Show();
    else if (c.word == "mark") Mark(rest);
    else if (c.word == "trace") SetTrace(rest);
    else throw ScriptError("unknown command \"" + c.word + "\"");
    RunEventLoops();
}

void Simulator::SetRoot(const std::string& folder) {
    if (!stations_.empty()) throw ScriptError("root must come before the first station");
    if (folder.empty()) throw ScriptError("root needs a folder");
    std::filesystem::path path(folder);
    root_ = std::filesystem::weakly_canonical(path.is_absolute() ? path : scriptFolder_ / path);
}

void Simulator::StartStation(std::string rest) {
    const std::string name = TakeWord(rest);
    if (name.empty()) throw ScriptError("station needs a name");
    const std::string address = rest.empty() ? "192.168.0.1" : rest;
    for (const auto& s : stations_)
        if (s->name == name) throw ScriptError("station " + name + " is already running");
    stations_.push_back(std::make_unique<Station>(name, address, root_, out_, clock_, seed_, trace_));
    current_ = stations_.back().get();
    current_->phone.FormCreate();
}

void Simulator::Use(const std::string& name) {
    for (const auto& s : stations_)
        if (s->name == name) {
            current_ = s.get();
            return;
        }
    throw ScriptError("no station named \"" + name + "\"");
}

Simulator::Station& Simulator::Current() {
    if (!current_) throw ScriptError("no station yet");
    return *current_;
}

std::string Simulator::Resolve(const std::string& address) {
    if (address.empty()) throw ScriptError("an address is needed");
    if (address.rfind("virtual:", 0) == 0) return std::string(vq::VirtualSiteRoot) + vq::Utf8ToCp932(address.substr(8));
    if (address[0] == '=') return vq::Utf8ToCp932(address.substr(1));
    if (address[0] == '/' || address.find("://") != std::string::npos) return vq::Utf8ToCp932(address);
    return Current().dataRoot + vq::Utf8ToCp932(address);
}

void Simulator::Open(const std::string& address) { Current().browser.Open(Resolve(Expand(address))); }

void Simulator::Fill(std::string rest) {
    const int k = ParseInt(TakeWord(rest), "the element number");
    if (k < 0) throw ScriptError("the element number must not be negative");
    Station& s = Current();
    if (!s.browser.ShowsForm()) throw ScriptError("the page shown has no form");
    try {
        s.browser.Fill(k, vq::Utf8ToWide(UnescapeText(Expand(rest))));
    } catch (const vq::PlatformError&) {
        throw ScriptError("the form of the page shown has no element " + std::to_string(k));
    }
}

void Simulator::Key(const std::string& name) {
    vq::Phone& phone = Current().phone;
    if (name == "back") phone.BitBtnLeftClick();
    else if (name == "home") phone.BitBtnDownClick();
    else if (name == "menu") phone.BitBtnNetClick();
    else if (name == "power") phone.btnEndClick();
    else if (name == "colour-close") phone.btnURLClick();
    else if (name == "soft-left") phone.lblButtonLeftClick();
    else if (name == "soft-up") phone.lblButtonUpClick();
    else if (name == "soft-centre") phone.lblButtonCenterClick();
    else if (name == "soft-right") phone.lblButtonRightClick();
    else throw ScriptError("unknown key \"" + name + "\"");
}

void Simulator::Swatch(const std::string& number) {
    const int n = ParseInt(number, "the swatch");
    if (n < 1 || n > 10) throw ScriptError("the swatch must be 1 to 10");
    Current().phone.SpeedButtonClick(n);
}

void Simulator::ClickList(const std::string& row) {
    const int r = ParseInt(row, "the row");
    vq::ListBox& list = Current().phone.mailPanel.ListBox1;
    if (r < -1 || r >= static_cast<int>(list.Items.size())) throw ScriptError("the list has no row " + row);
    list.ItemIndex = r;
    Current().phone.ListBox1Click();
}

void Simulator::Type(std::string rest) {
    const std::string field = TakeWord(rest);
    const std::u16string text = vq::Utf8ToWide(UnescapeText(Expand(rest)));
    vq::MailPanel& panel = Current().phone.mailPanel;
    if (field == "address") panel.ComboBoxMail.Text = text;
    else if (field == "subject") panel.txtNewSubject.Text = text;
    else if (field == "body") panel.txtNewBody.Text = text;
    else throw ScriptError("type needs address, subject or body");
}

void Simulator::Tick(std::string rest) {
    const std::string timer = TakeWord(rest);
    const int count = rest.empty() ? 1 : ParseInt(rest, "the count");
    vq::Phone& phone = Current().phone;
    vq::Timer* model = timer == "Timer1" ? &phone.window.Timer1
                       : timer == "Timer2" ? &phone.window.Timer2
                       : timer == "Timer3" ? &phone.window.Timer3
                                           : nullptr;
    if (!model) throw ScriptError("tick needs Timer1, Timer2 or Timer3");
    for (int i = 0; i < count && model->Enabled; ++i) {
        if (model == &phone.window.Timer1) phone.Timer1Timer();
        else if (model == &phone.window.Timer2) phone.Timer2Timer();
        else phone.Timer3Timer();
        RunEventLoops();
    }
}

void Simulator::RunEventLoops() {
    for (const auto& s : stations_) s->browser.RunLoop();
}

// "ok TEXT" when the station reported no error since its last mark, else "failed TEXT": a script
// tells by it whether what it did in between went through.
void Simulator::Mark(const std::string& text) {
    Station& s = Current();
    out_ << '[' << s.name << "] " << (s.errorsSinceMark == 0 ? "ok " : "failed ") << Expand(text) << '\n';
    s.errorsSinceMark = 0;
}

void Simulator::SetTrace(const std::string& onOff) {
    if (onOff != "on" && onOff != "off") throw ScriptError("trace needs on or off");
    trace_ = onOff == "on";
}

std::string Simulator::OtherStation() {
    const Station& s = Current();
    std::vector<std::string> others;
    for (const std::u16string& item : s.phone.mailPanel.ComboBoxMail.Items) {
        const std::string name = vq::Cp932ToUtf8(vq::ToNarrow(item));
        if (name != s.name) others.push_back(name);
    }
    if (others.empty()) return s.name;
    return others[std::uniform_int_distribution<std::size_t>(0, others.size() - 1)(random_)];
}

std::string Simulator::Expand(std::string text) {
    const auto fill = [&](const std::string& placeholder, const auto& value) {
        for (std::size_t at = text.find(placeholder); at != std::string::npos;
             at = text.find(placeholder, at)) {
            const std::string filled = value();
            text.replace(at, placeholder.size(), filled);
            at += filled.size();
        }
    };
    fill("{n}", [&] { return std::to_string(round_); });
    fill("{run}", [&] { return runId_; });
    fill("{pad}", [&] { return Pad(round_); });
    if (current_) {
        fill("{station}", [&] { return current_->name; });
        fill("{other}", [&] { return OtherStation(); });
    }
    return text;
}

namespace {

std::string OnOff(const vq::Timer& t) { return t.Enabled ? "on" : "off"; }
std::string ShownHidden(const vq::Control& c) { return c.Visible ? "shown" : "hidden"; }
std::string Geometry(const vq::Control& c) {
    return std::to_string(c.Left) + "," + std::to_string(c.Top) + "," + std::to_string(c.Width) + "," +
           std::to_string(c.Height);
}
std::string Joined(const std::vector<std::u16string>& items) {
    std::u16string out;
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? u" | " : u"") + items[i];
    return vq::ToNarrow(out);
}

} // namespace

void Simulator::Show() {
    Station& s = Current();
    const vq::Phone& p = s.phone;
    const vq::PhoneWindow& w = p.window;
    const vq::MailPanel& m = p.mailPanel;
    const auto line = [&](const char* key, const std::string& cp932) {
        out_ << '[' << s.name << "] " << key << '=' << s.Printable(cp932) << '\n';
    };
    const auto text = [&](const char* key, const std::u16string& value, const vq::Control& c) {
        line(key, vq::ToNarrow(value) + " (" + ShownHidden(c) + ")");
    };
    line("ScreenMode", p.mail.ScreenMode);
    line("GenerationGuard", std::to_string(p.site.GenerationGuard));
    line("BoardShown", std::to_string(p.sites.BoardShown));
    line("ChatShown", std::to_string(p.sites.ChatShown));
    line("address", s.browser.CurrentAddress());
    line("MailLinkTarget", p.site.MailLinkTarget);
    line("CurrentPhoto", vq::ToNarrow(p.mail.CurrentPhoto));
    line("ReceivedCount", std::to_string(p.mail.ReceivedCount));
    line("SentCount", std::to_string(p.mail.SentCount));
    line("Timer1", OnOff(w.Timer1));
    line("Timer2", OnOff(w.Timer2));
    line("Timer3", OnOff(w.Timer3));
    line("Image1", w.Image1.pictureFile);
    line("BitBtnLeft", Geometry(w.BitBtnLeft));
    line("BitBtnNet", Geometry(w.BitBtnNet));
    line("BitBtnDown", Geometry(w.BitBtnDown) + "," + w.BitBtnDown.glyphFile);
    line("form", std::to_string(w.form.Left) + "," + std::to_string(w.form.Top));
    line("WebBrowser1", std::to_string(w.WebBrowser1.Left) + "," + std::to_string(w.WebBrowser1.Top));
    line("pnlURL", ShownHidden(w.pnlURL));
    line("pnlMail", ShownHidden(w.pnlMail));
    line("pnlPhoto", ShownHidden(m.pnlPhoto));
    line("pnlPhoto2", ShownHidden(m.pnlPhoto2));
    text("lblMailTitle", m.lblMailTitle.Caption, m.lblMailTitle);
    text("lblMailAddress", m.lblMailAddress.Caption, m.lblMailAddress);
    text("lblNewBody", m.lblNewBody.Caption, m.lblNewBody);
    text("lblButtonLeft", m.lblButtonLeft.Caption, m.lblButtonLeft);
    text("lblButtonUp", m.lblButtonUp.Caption, m.lblButtonUp);
    text("lblButtonCenter", m.lblButtonCenter.Caption, m.lblButtonCenter);
    text("lblButtonRight", m.lblButtonRight.Caption, m.lblButtonRight);
    text("lblMailSend", m.lblMailSend.Caption, m.lblMailSend);
    text("txtNewSubject", m.txtNewSubject.Text, m.txtNewSubject);
    text("txtNewBody", m.txtNewBody.Text, m.txtNewBody);
    text("ComboBoxMail", m.ComboBoxMail.Text, m.ComboBoxMail);
    line("ComboBoxMail.items", Joined(m.ComboBoxMail.Items));
    line("ListBox1", ShownHidden(m.ListBox1));
    line("ListBox1.items", Joined(m.ListBox1.Items));
    line("ListBox1.selected", std::to_string(m.ListBox1.ItemIndex));
}

} // namespace vqsim
