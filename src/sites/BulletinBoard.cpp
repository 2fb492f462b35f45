#include "sites/BulletinBoard.h"

// This site is not built yet: its pages run nothing.
namespace vq {

void ShowBulletinBoard(Phone&, const std::string&) {}

} // namespace vq
