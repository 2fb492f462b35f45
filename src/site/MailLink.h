#pragma once

namespace vq {
class Phone;

// Looks for a link to the virtual site in the mail body shown; offers the centre key "表示" to open
// it as a local page when there is one.
void FindMailLink(Phone& phone);

} // namespace vq
