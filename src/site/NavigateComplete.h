#pragma once

#include <string>

namespace vq {
class Phone;

// A navigation has completed: frees the guard, logs teaching pages, opens prepared mails.
void OnNavigateComplete(Phone& phone, const std::string& address);

// The title of the teaching page named in the address, or empty when it names none of them.
std::u16string TeachingPageTitle(const std::string& address);

} // namespace vq
