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
    // After a good link to bbs.html, none of the bodies is a link: the centre key goes, the target stays.
    void ExpectNoLinkIn(std::initializer_list<const char16_t*> bodies) {
        Panel().txtNewBody.Text = u"http://velquin.invalid/bbs.html";
        FindMailLink(station.phone);
        for (const char16_t* body : bodies) {
            Panel().lblButtonCenter.Visible = true;
            Panel().txtNewBody.Text = body;
            FindMailLink(station.phone);
            EXPECT_EQ(station.phone.site.MailLinkTarget, classroom.DataRoot() + "bbs.html") << WideToUtf8(body);
            EXPECT_FALSE(Panel().lblButtonCenter.Visible) << WideToUtf8(body);
            EXPECT_EQ(Panel().lblButtonUp.font, Panel().lblButtonLeft.font) << WideToUtf8(body);
        }
    }
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
        Panel().txtNewBody.Text = u"http://velquin.invalid/bbs.html" + end;
        FindMailLink(station.phone);
        EXPECT_EQ(station.phone.site.MailLinkTarget, classroom.DataRoot() + "bbs.html") << WideToUtf8(end);
    }
}

// A link is offered only when it leads to a page of the classroom folder: no file elsewhere on the
// PC, no data file of the folder (a classmate's password), no page on another site.
TEST_F(MailLinkTest, ALinkOutsideTheClassroomPagesIsNoLink) {
    ExpectNoLinkIn({u"http://velquin.invalid/../../../etc/passwd", u"http://velquin.invalid/prof_edit/090000PC01.dat",
                    u"http://velquin.invalid/risk/../../../../etc/hosts.html", u"http://velquin.invalid/..\\..\\x.html",
                    u"http://velquin.invalid/", u"http://velquin.invalid/prof_write.html?a=1", u"http://example.com/a.html",
                    u"http://velquin.invalid.example.com/a.html"});
}

// Result pages hold what a pupil just entered: a profile's edit form with its password filled in, a
// fortune's phone number, a risk page's address. A mail never leads to one, the sender's own included,
// however the link spells it.
TEST_F(MailLinkTest, ALinkToAnyStationsResultPageOrWithAQueryIsNoLink) {
    ExpectNoLinkIn({u"http://velquin.invalid/prof/tmpPC02.html", u"http://velquin.invalid/prof/tmpPC01.html",
                    u"http://velquin.invalid/fortune/tmpPC02fortune.html", u"http://velquin.invalid/risk/tmpPC02risk.html",
                    u"http://velquin.invalid/s_beginner/tmp3PC02sns.html", u"http://velquin.invalid/bbs/tmpPC02bbs.html",
                    u"http://velquin.invalid/sns/tmpPC02sns.html", u"http://velquin.invalid/price/tmpPC02price.html",
                    u"http://velquin.invalid/number/tmpPC02number.html", u"http://velquin.invalid/PROF/TMPPC02.HTML",
                    u"http://velquin.invalid/prof/./tmpPC02.html", u"http://velquin.invalid/risk/../prof/tmpPC02.html",
                    u"http://velquin.invalid/prof\\tmpPC02.html", u"http://velquin.invalid//prof//tmpPC02.html",
                    u"http://velquin.invalid/prof_edit/090000PC01.dat?.html", u"http://velquin.invalid/prof/tmpPC02.html?x"});
    // The folders' teaching pages and a "tmp" page elsewhere are pages like any other.
    for (const std::string page : {"prof/prof_top.html", "kyouzai/contents/tmp.html", "prof/illustration/tmp.html"}) {
        Panel().txtNewBody.Text = u"http://velquin.invalid/" + Utf8ToWide(page);
        FindMailLink(station.phone);
        EXPECT_EQ(station.phone.site.MailLinkTarget, classroom.DataRoot() + page);
        EXPECT_TRUE(Panel().lblButtonCenter.Visible) << page;
    }
}

TEST_F(MailLinkTest, AGoodLinkIsOfferedWithItsDotsResolved) {
    Panel().txtNewBody.Text = u"当選！ http://velquin.invalid/risk/./x/../risk_top.html を見てね";
    FindMailLink(station.phone);
    EXPECT_EQ(station.phone.site.MailLinkTarget, classroom.DataRoot() + "risk/risk_top.html");
    EXPECT_TRUE(Panel().lblButtonCenter.Visible);
    Panel().txtNewBody.Text = u"http://velquin.invalid/kyouzai/contents/index.htm";
    FindMailLink(station.phone);
    EXPECT_EQ(station.phone.site.MailLinkTarget, classroom.DataRoot() + "kyouzai/contents/index.htm");
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
