#pragma once

#include <string>

namespace vq {
class Phone;

// The bulletin board: takes a post from the board's own form, then shows every post.
void ShowBulletinBoard(Phone& phone, const std::string& address);

} // namespace vq
