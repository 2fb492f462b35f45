#include "sites/SocialPage.h"

#include "sites/ChatBubble.h"
#include "sites/PostingSite.h"
#include "sites/RowPieces.h"

namespace vq {
namespace {

void AppendTimelineRow(std::string& rows, const ShownPost& post) {
    char digits[16];
    const std::string_view number = DecimalText(digits, post.number);
    if (post.own) AppendOwnBubble(rows, number, post.name, post.text);
    else AppendOthersBubble(rows, number, post.name, post.text);
    rows += "\r\n";
}

constexpr PostingSite kTimeline{
    "sns/snsData.dat", "sns/sns.html", "sns/", "sns.html", &SitesState::ChatShown,
    PostOrder::OldestFirst, AppendTimelineRow, u"sns",
};

} // namespace

void ShowSocialPage(Phone& phone, const std::string&) { ShowPostingSite(phone, kTimeline); }

} // namespace vq
