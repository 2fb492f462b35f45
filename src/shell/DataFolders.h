#pragma once

#include <array>
#include <string_view>

namespace vq {

// Every folder of a classroom's data/ that the phones read or write. The phones create files but
// never folders, so a classroom folder must hold all of them before the first phone starts.
inline constexpr std::array<std::string_view, 20> kDataFolders{
    "kyouzai/contents", "body_picture", "log",        "price",    "number",     "prof",     "prof/illustration",
    "prof_html",        "prof_edit",    "prof_counter", "fortune", "bbs",       "sns",      "s_beginner",
    "risk",             "mail_box",     "mail_log",   "mail_photo", "tmp_photo", "spam_Mail"};

} // namespace vq
