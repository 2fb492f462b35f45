#include "sites/SocialPage.h"

// This site is not built yet: its pages run nothing.
namespace vq {

void ShowSocialPage(Phone&, const std::string&) {}

} // namespace vq
