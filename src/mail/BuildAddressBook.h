#pragma once

namespace vq {
class Phone;

// Refills the address field's drop-down with one station name per inbox file; what the pupil has
// typed into the field stays.
void BuildAddressBook(Phone& phone);

} // namespace vq
