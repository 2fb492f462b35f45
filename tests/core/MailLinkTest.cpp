#include "platform/Text.h"
#include "site/MailLink.h"
#include "site/VirtualSite.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

class MailLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        station.Start();
    }
    MailPanel& Panel() { return station.phone.mailPanel; }
    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock};
};

} // namespace

TEST_F(MailLinkTest, VirtualSiteLinkBecomesALocalPathAndOffersTheCentreKey) {
    Panel().lblButtonCenter.Visible = false;
    Panel().txtNewBody.Text = u"登録はこちら HTTP://VELQUIN.invalid/prof_write.html から。";
    // The search for "http://" is case-sensitive: the capital link is no link.
    FindMailLink(station.phone);
    EXPECT_FALSE(Panel().lblButtonCenter.Visible);
    EXPECT_TRUE(station.phone.site.MailLinkTarget.empty());

    Panel().txtNewBody.Text = u"登録はこちら " + Utf8ToWide(std::string(VirtualSiteRoot)) + u"prof_write.html から。";
    FindMailLink(station.phone);
    EXPECT_EQ(station.phone.site.MailLinkTarget, classroom.DataRoot() + "prof_write.html");
    EXPECT_TRUE(Panel().lblButtonCenter.Visible);
    EXPECT_TRUE(Panel().lblButtonUp.Visible);
    EXPECT_EQ(Panel().lblButtonUp.Height, Panel().lblButtonCenter.Height);
}

TEST_F(MailLinkTest, LinkEndsAtTheFirstCharacterOutsideDashToTilde) {
    for (const std::u16string end : {u" x", u",x", u"\"x", u"&x", u"(x", u"あ"}) {
        Panel().txtNewBody.Text = u"http://a/b.html" + end;
        FindMailLink(station.phone);
        EXPECT_EQ(station.phone.site.MailLinkTarget, "http://a/b.html") << WideToUtf8(end);
    }
}

TEST_F(MailLinkTest, BodyWithoutLinkKeepsThePreviousTarget) {
    Panel().txtNewBody.Text = u"http://velquin.invalid/bbs.html";
    FindMailLink(station.phone);
    Panel().txtNewBody.Text = u"リンクなし";
    FindMailLink(station.phone);
    EXPECT_EQ(station.phone.site.MailLinkTarget, classroom.DataRoot() + "bbs.html");
    EXPECT_FALSE(Panel().lblButtonCenter.Visible);
    EXPECT_EQ(Panel().lblButtonUp.font, Panel().lblButtonLeft.font);
}
