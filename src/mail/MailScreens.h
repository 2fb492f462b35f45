#pragma once

namespace vq {
class Phone;

// The four screens of the mail panel. Each lays the panel out and shows it over the phone's screen;
// none changes ScreenMode, and none touches the texts of the address, subject and body fields.
void ShowMailMenu(Phone& phone);
void ShowReceivedBox(Phone& phone);
void ShowSentBox(Phone& phone);
void ShowNewMail(Phone& phone);

// The mail panel over the phone's screen, the colour panel hidden and the browser moved aside.
void ShowMailPanel(Phone& phone);

} // namespace vq
