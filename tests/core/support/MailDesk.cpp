#include "support/MailDesk.h"

#include "platform/Text.h"

#include <sstream>

namespace vqtest {

void OpenMailMenu(Station& station) {
    station.phone.lblButtonLeftClick();
    station.browser.RunLoop();
}

void ChooseMenuRow(Station& station, int row) {
    station.phone.mailPanel.ListBox1.ItemIndex = row;
    station.phone.ListBox1Click();
    station.browser.RunLoop();
}

void WriteMail(Station& station, const std::string& address, const std::string& subject, const std::string& body) {
    if (station.phone.mail.ScreenMode != "M") OpenMailMenu(station);
    ChooseMenuRow(station, 2);
    vq::MailPanel& panel = station.phone.mailPanel;
    panel.ComboBoxMail.Text = vq::Utf8ToWide(address);
    panel.txtNewSubject.Text = vq::Utf8ToWide(subject);
    panel.txtNewBody.Text = vq::Utf8ToWide(body);
}

void SendWrittenMail(Station& station) {
    station.phone.lblButtonLeftClick();
    station.browser.RunLoop();
}

void SendMailTo(Station& station, const std::string& address, const std::string& subject, const std::string& body) {
    WriteMail(station, address, subject, body);
    SendWrittenMail(station);
}

void RunShake(Station& station) {
    for (int guard = 0; station.phone.window.Timer2.Enabled && guard < 100; ++guard) station.phone.Timer2Timer();
}

void RunSendNotice(Station& station) {
    for (int guard = 0; station.phone.window.Timer3.Enabled && guard < 10; ++guard) station.phone.Timer3Timer();
}

std::vector<std::string> RecordLines(const Classroom& classroom, const std::string& relative) {
    std::istringstream in(classroom.Read(relative));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ListRows(const Station& station) {
    std::vector<std::string> rows;
    for (const std::u16string& item : station.phone.mailPanel.ListBox1.Items) rows.push_back(Utf8(item));
    return rows;
}

std::string Utf8(const std::u16string& wide) { return vq::WideToUtf8(wide); }

} // namespace vqtest
