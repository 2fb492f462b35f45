#pragma once

#include "support/Classroom.h"

#include <string>
#include <vector>

namespace vqtest {

// What a pupil does with the mail panel of a station, in the words of the screen.
void OpenMailMenu(Station& station);          // the left key from the web view
void ChooseMenuRow(Station& station, int row); // 0 received box, 1 sent box, 2 new mail
void WriteMail(Station& station, const std::string& address, const std::string& subject,
               const std::string& body);       // from the web view to the filled new-mail screen
void SendWrittenMail(Station& station);         // the left key on the new-mail screen
void SendMailTo(Station& station, const std::string& address, const std::string& subject,
                const std::string& body);       // all of the above, ending on the mail menu
void RunShake(Station& station);                // Timer2 until the arrival notice ends
void RunSendNotice(Station& station);           // Timer3 until the send notice ends

// The record lines of a mail file, without the empty line of a fresh file.
std::vector<std::string> RecordLines(const Classroom& classroom, const std::string& relative);
// The list rows of the mail panel as UTF-8.
std::vector<std::string> ListRows(const Station& station);
std::string Utf8(const std::u16string& wide);

} // namespace vqtest
