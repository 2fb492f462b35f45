#include "sites/SocialPage.h"

#include "sites/ChatBubble.h"
#include "sites/PostingSite.h"
#include "sites/RowPieces.h"

namespace vq {
namespace {

void AppendTimelineRow(std::string& rows, const ShownPost& post) {
    std::string header;
    AppendDecimal(header, post.number);
    header += kIdeographicSpaceCp932;
    header += post.name;
    if (post.own) AppendOwnBubble(rows, header, post.text);
    else AppendOthersBubble(rows, header, post.text);
    rows += "\r\n";
}

constexpr PostingSite kTimeline{
    "sns/snsData.dat", "sns/sns.html", "sns/", "sns.html", &SitesState::ChatShown,
    PostOrder::OldestFirst, AppendTimelineRow, u"sns",
};

} // namespace

void ShowSocialPage(Phone& phone, const std::string&) { ShowPostingSite(phone, kTimeline); }

} // namespace vq
