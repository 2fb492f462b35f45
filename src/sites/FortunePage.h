#pragma once

#include <string>

namespace vq {
class Phone;

// The one result page of all five fortunes, relative to DataRoot.
std::string FortuneResultPage(const Phone& phone);

// Fills the page in PageBuffer for FortuneSubject: the subject and the line of "fortune/message.txt"
// that its CharCodeSum picks (modulo 85, plus 1); an empty message when the file is shorter. Then
// writes the result page, filled or not, without showing it.
void WriteFortunePage(Phone& phone);

} // namespace vq
