#include "sites/BulletinBoard.h"

#include "sites/PostingSite.h"
#include "sites/RowPieces.h"

namespace vq {
namespace {

// Three shades of yellow in turn, so that neighbouring posts stand apart; post 1 gets the middle one.
std::string_view RowOpening(int number) {
    switch (number % 3) {
    case 0: return R"(<tr bgcolor="#ffff66">)";
    case 1: return R"(<tr bgcolor="#ffff99">)";
    default: return R"(<tr bgcolor="#ffffcc">)";
    }
}

void AppendBoardRow(std::string& rows, const ShownPost& post) {
    rows += RowOpening(post.number);
    rows += R"(<td><font size="2" color="#888888">No)";
    AppendDecimal(rows, post.number);
    rows += kIdeographicSpaceCp932;
    rows += "</font><b>";
    rows += post.name;
    rows += "</b><br>";
    rows += post.text;
    rows += "</td></tr>\r\n";
}

constexpr PostingSite kBoard{
    "bbs/bbsData.dat", "bbs/bbs.html", "bbs/", "bbs.html", &SitesState::BoardShown,
    PostOrder::NewestFirst, AppendBoardRow, u"掲示板",
};

} // namespace

void ShowBulletinBoard(Phone& phone, const std::string&) { ShowPostingSite(phone, kBoard); }

} // namespace vq
