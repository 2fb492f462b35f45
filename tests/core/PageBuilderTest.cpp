#include "site/PageBuilder.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

class PageBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        station.Start();
    }
    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock};
};

} // namespace

TEST_F(PageBuilderTest, TemplateLinesJoinIntoOneLineWithCrLf) {
    classroom.Write("t.html", "<p>a</p>\n<p>b</p>\n<p>c</p>\n");
    LoadTemplate(station.phone, "t.html");
    ShowResultPage(station.phone, "out.html");
    EXPECT_EQ(classroom.Read("out.html"), "<p>a</p><p>b</p><p>c</p>\r\n");
    EXPECT_EQ(station.browser.HasPending(), true);
}

TEST_F(PageBuilderTest, EmptyTemplateGivesOnlyCrLf) {
    classroom.Write("t.html", "");
    LoadTemplate(station.phone, "t.html");
    WriteResultPage(station.phone, "out.html");
    EXPECT_EQ(classroom.Read("out.html"), "\r\n");
}

TEST_F(PageBuilderTest, MarkersFillEverywhereInAnyCaseAndFirstFillIsSearchedAgain) {
    classroom.Write("t.html", "<!--VELQUINNAME-->|<!--velquinName-->|<!--velquinLAN-->\n");
    LoadTemplate(station.phone, "t.html");
    // A name typed as a marker is filled by the later replacement; the last one is never searched.
    ReplaceMarker(station.phone, kNameMarker, "<!--velquinLAN-->");
    ReplaceMarker(station.phone, kMainMarker, "<!--velquinName-->");
    EXPECT_EQ(station.phone.site.PageBuffer, u"<!--velquinName-->|<!--velquinName-->|<!--velquinName-->");
}

TEST_F(PageBuilderTest, MissingTemplateThrowsWithItsPath) {
    try {
        LoadTemplate(station.phone, "nothere.html");
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("nothere.html"), std::string::npos);
    }
}
