#include "shell/StartUp.h"

#include "mail/Camera.h"
#include "mail/MailPaths.h"
#include "mail/SpecialAddresses.h"
#include "platform/Files.h"
#include "platform/StationLock.h"
#include "platform/SystemInfo.h"
#include "platform/Text.h"
#include "shell/Heartbeat.h"
#include "shell/Keys.h"
#include "shell/Phone.h"
#include "shell/PictureLoading.h"
#include "shell/StationRefusal.h"

#include <array>

namespace vq {
namespace {

void HideStartUpPanels(Phone& phone) {
    phone.window.pnlURL.Visible = false;
    phone.window.pnlMail.Visible = false;
    phone.mailPanel.pnlPhoto.Visible = false;
    phone.mailPanel.pnlPhoto2.Visible = false;
    phone.mailPanel.lblMailSend.Visible = false;
}

KeyLayout CurrentKeyLayout(const PhoneWindow& w) {
    return {w.BitBtnLeft.Left, w.BitBtnNet.Left, w.BitBtnDown.Left,
            w.BitBtnDown.Top,  w.BitBtnDown.Width, w.BitBtnDown.Height};
}

std::uint32_t SeedFromClock(const LocalDateTime& t) {
    return static_cast<std::uint32_t>(((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond) ^
           static_cast<std::uint32_t>(t.year * 372 + t.month * 31 + t.day);
}

void StartTimers(PhoneWindow& w) {
    w.Timer1 = {25000, true};
    w.Timer2.Enabled = false;
    w.Timer3.Enabled = false;
}

void LoadProfileQuestions(Phone& phone) {
    const auto lines = ReadLines(phone.DataPath("prof/prof_quest.txt"));
    // The site asks 31 questions; further lines of the file are not questions of this site.
    for (std::size_t i = 0; i < lines.size() && i < phone.profile.ProfileQuestions.size(); ++i)
        phone.profile.ProfileQuestions[i] = ToWide(lines[i]);
}

void CreateStationFiles(Phone& phone) {
    const std::array<std::string, 5> files{
        "log/log_" + phone.StationName + ".dat", "bbs/bbsData.dat", "sns/snsData.dat",
        "mail_log/log_" + phone.StationName + ".dat", "mail_box/log_" + phone.StationName + ".dat"};
    for (const std::string& file : files) CreateIfMissing(phone.DataPath(file), "\r\n");
}

// Before any file is made under the name: a name no station can have is refused.
void CheckStationName(Phone& phone) {
    if (!IsUsableStationName(phone.StationName) || IsSpecialAddress(phone.StationName)) RefuseUnusableName(phone);
}

// The inbox exists now; holding its station byte says this name is running. Another phone holding
// it already is this station: this one must not take its mail or add to its bill. Where the folder
// keeps no locks the phone runs on, as it does for its mail.
void HoldStationName(Phone& phone) {
    phone.shell.NameHeld = StationLock::TryTake(InboxPath(phone, phone.StationName));
    if (phone.shell.NameHeld.state() == StationLock::State::TakenByAnother) RefuseNameInUse(phone);
}

void ChooseRandomBody(Phone& phone) {
    static constexpr std::array<char, 6> kLetters{'K', 'W', 'B', 'R', 'Y', 'G'};
    const char letter = kLetters[static_cast<std::size_t>(phone.random.Below(6))];
    LoadPicture(phone.window.Image1, phone.DataPath(std::string("body_picture/smartphone") + letter + ".bmp"));
}

} // namespace

std::string DataRootIn(const std::string& directory) { return directory + "/data/"; }

void RunStartUp(Phone& phone) {
    HideStartUpPanels(phone);
    PlaceBrowserOnScreen(phone);
    phone.mailPanel.txtNewSubject.Text.clear();
    phone.mailPanel.txtNewBody.Text.clear();
    phone.shell.SavedKeyLayout = CurrentKeyLayout(phone.window);
    phone.mail.ScreenMode = "W";
    phone.mail.ReceivedCount = 0;
    phone.mail.SentCount = 0;
    phone.random.Seed(phone.fixedSeed.value_or(SeedFromClock(phone.clock.Now())));
    StartTimers(phone.window);
    const std::string directory = phone.system.CurrentDirectory();
    phone.StartPage = directory + "/data/kyouzai/contents/index.html";
    phone.DataRoot = DataRootIn(directory);
    phone.Navigate(phone.StartPage);
    phone.StationName = StationNameFrom(phone.system.ComputerName());
    CheckStationName(phone);
    phone.StationAddress = phone.system.LocalAddress();
    CreateCaptureWindow(phone);
    LoadProfileQuestions(phone);
    CreateStationFiles(phone);
    HoldStationName(phone);
    BeatHeart(phone);
    ChooseRandomBody(phone);
}

} // namespace vq
