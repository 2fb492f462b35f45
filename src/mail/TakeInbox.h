#pragma once

namespace vq {
class Phone;

// Takes every mail out of the station's own inbox into the received table, logs each arrival and,
// when there was any, starts the arrival notice. The inbox is left holding one empty line. An inbox
// that has gone is made again, with a message saying so.
void TakeInbox(Phone& phone);

} // namespace vq
