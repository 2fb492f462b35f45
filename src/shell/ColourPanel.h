#pragma once

#include <string>

namespace vq {
class Phone;

// "kisekae.html": the colour panel opens over the screen, the page loads out of sight.
void OpenColourPanel(Phone& phone, const std::string& address);

} // namespace vq
