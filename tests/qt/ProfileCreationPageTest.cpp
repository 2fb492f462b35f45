// The creation page in the real browser: publishing without a password is stopped by the browser
// itself, while choosing another picture first still works.

#include "SampleStationTest.h"

#include "site/VirtualSite.h"

#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <algorithm>

using namespace vq;
using namespace vqtest;

namespace {

class ProfileCreationPageTest : public SampleStationTest {
protected:
    void SetUp() override {
        SampleStationTest::SetUp();
        StartPhone();
        window().Run([&] { phone().Navigate(std::string(VirtualSiteRoot) + "prof_write.html"); });
        ASSERT_TRUE(WaitForCompletion(form));
    }
    bool Asked(const std::string& page) const {
        return std::any_of(trace.events.begin(), trace.events.end(), [&](const std::string& e) {
            return e.starts_with("before ") && e.ends_with(page);
        });
    }
    void InPage(const QString& script) { station.browser().View()->page()->runJavaScript(script); }

    const std::string form = classroom.DataRoot() + "prof/tmpPC01.html";
};

} // namespace

TEST_F(ProfileCreationPageTest, PublishingWaitsForAPasswordButChoosingAPictureDoesNot) {
    InPage(QStringLiteral("document.querySelector('.publish input[type=submit]').click();"));
    QTest::qWait(1000);
    EXPECT_FALSE(Asked("prof_new3.html"));

    InPage(QStringLiteral("document.querySelector('.show input[type=submit]').click();"));
    ASSERT_TRUE(WaitForCompletion(form, 2));
    EXPECT_TRUE(Asked("prof_new2.html"));

    InPage(QStringLiteral("var p = document.querySelector('input[name=Password]'); p.value = 'himitsu';"
                          "p.dispatchEvent(new Event('input', {bubbles: true}));"
                          "document.querySelector('.publish input[type=submit]').click();"));
    ASSERT_TRUE(WaitUntil([&] { return Asked("prof_new3.html"); }));
    EXPECT_TRUE(errors.messages.empty());
}
