#include "platform/Text.h"
#include "desktop/phone/Addresses.h"

#include <QUrl>

#include <gtest/gtest.h>

using namespace vq;

// The core names local files by path and everything else by URL; links in pages reach it as paths.
TEST(Addresses, LocalPathsBecomeFileUrlsAndComeBackUnchanged) {
    for (const std::string path : {"/srv/classroom/data/kyouzai/contents/index.html", "/srv/教室/data/bbs/tmpPC01bbs.html",
                                   "/srv/a b/data/prof_html/xprof_password.html"}) {
        const QUrl url = UrlFromAddress(path);
        EXPECT_TRUE(url.isLocalFile()) << path;
        EXPECT_EQ(AddressFromUrl(url), path);
    }
}

TEST(Addresses, AFormsQueryStaysAQuery) {
    const std::string address = "/srv/data/prof/prof_edit2.html?pass=ab%82%A0";
    const QUrl url = UrlFromAddress(address);
    EXPECT_EQ(url.path(), QStringLiteral("/srv/data/prof/prof_edit2.html"));
    EXPECT_EQ(AddressFromUrl(url), address);
}

TEST(Addresses, UrlsPassAsTheyAre) {
    EXPECT_EQ(AddressFromUrl(UrlFromAddress("http://velquin.invalid/bbs.html")), "http://velquin.invalid/bbs.html");
    EXPECT_EQ(AddressFromUrl(QUrl(QStringLiteral("http://velquin.invalid/sns.html?t=%82%A0"))),
              "http://velquin.invalid/sns.html?t=%82%A0");
    EXPECT_TRUE(MatchesPageName(AddressFromUrl(QUrl::fromLocalFile(QStringLiteral("/d/price.html"))), "price.html"));
}

TEST(Addresses, SameDocumentIgnoresTheFragmentAndTheSpelling) {
    EXPECT_TRUE(SameDocument(QUrl(QStringLiteral("file:///d/a.html#top")), QUrl::fromLocalFile(QStringLiteral("/d/a.html"))));
    EXPECT_TRUE(SameDocument(QUrl(QStringLiteral("file:///d/x/../a.html")), QUrl(QStringLiteral("file:///d/a.html"))));
    EXPECT_FALSE(SameDocument(QUrl(QStringLiteral("file:///d/a.html")), QUrl(QStringLiteral("file:///d/b.html"))));
    EXPECT_FALSE(SameDocument(QUrl(QStringLiteral("file:///d/a.html?x=1")), QUrl(QStringLiteral("file:///d/a.html?x=2"))));
}
