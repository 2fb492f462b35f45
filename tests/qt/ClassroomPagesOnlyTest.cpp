// The real browser view as a pupil who wants to make trouble would use it: a page with a script that
// tries to read the PC's files and a classmate's password, pictures from outside the classroom folder,
// a board file broken so that its text would run as markup.

#include "SampleStationTest.h"

#include "platform/Text.h"
#include "site/VirtualSite.h"
#include "desktop/phone/LocalOnlyRequests.h"
#include "desktop/phone/QtBrowserView.h"
#include "support/Classroom.h"

#include <QImage>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>

using namespace vq;
using namespace vqtest;

namespace {

// What a script finds in the page, waited for; null when the page gave no answer in time.
QVariant Evaluate(QWebEnginePage& page, const QString& script) {
    auto answer = std::make_shared<std::optional<QVariant>>();
    page.runJavaScript(script, [answer](const QVariant& value) { *answer = value; });
    if (!WaitUntil([&] { return answer->has_value(); })) return {};
    return **answer;
}

struct Completions final : BrowserEvents {
    void WebBrowser1BeforeNavigate2(const std::string&) override {}
    void WebBrowser1NavigateComplete2(const std::string& address) override { completed.push_back(address); }
    std::vector<std::string> completed;
};

class ClassroomPagesOnlyTest : public ::testing::Test {
protected:
    void SetUp() override {
        browser.SetListener(&events);
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(QString::fromStdString(classroom.DataRoot() + "prof/illustration/inside.png")));
        ASSERT_TRUE(picture.save(QString::fromStdString((classroom.root / "outside.png").string())));
        classroom.Write("prof_edit/090000PC02.dat", "PC02\nprof/illustration/illustration00.jpg\nHimitsu\n二郎\n");
        classroom.Write("kyouzai/contents/style.css", "p { color: rgb(0, 128, 0); }\n");
        classroom.Write("kyouzai/contents/page.html",
                        "<html><head><link rel=\"stylesheet\" href=\"style.css\"></head><body><p id=\"p\">x</p>"
                        "<img id=\"inside\" src=\"../../prof/illustration/inside.png\">"
                        "<img id=\"outside\" src=\"../../../outside.png\">"
                        "<script>function readFile(url) { try { var x = new XMLHttpRequest(); x.open('GET', url, false);"
                        " x.send(); return 'read ' + x.responseText.length; } catch (e) { return 'blocked'; } }"
                        "document.title = 'waiting';"
                        "fetch('file:///etc/passwd').then(function (r) { return r.text(); }).then("
                        "function (t) { document.title = 'fetched ' + t.length; }, function () { document.title = 'refused'; });"
                        "</script></body></html>\n");
        browser.Navigate(classroom.DataRoot() + "kyouzai/contents/page.html");
        ASSERT_TRUE(WaitUntil([&] { return !events.completed.empty(); }));
        ASSERT_TRUE(WaitUntil([&] { return Run("document.readyState") == "complete"; }));
    }
    QWebEnginePage& Page() { return *browser.View()->page(); }
    std::string Run(const QString& script) { return Evaluate(Page(), script).toString().toStdString(); }

    Classroom classroom;
    QtBrowserView browser{classroom.DataRoot(), "PC01"};
    Completions events;
};

} // namespace

TEST_F(ClassroomPagesOnlyTest, AScriptReadsNeitherThePcsFilesNorTheClassroomsDataFiles) {
    EXPECT_EQ(Run("readFile('file:///etc/passwd')"), "blocked");
    EXPECT_EQ(Run("readFile('../../prof_edit/090000PC02.dat')"), "blocked");
    EXPECT_EQ(Run("readFile('../../prof/prof_quest.txt')"), "blocked");
    ASSERT_TRUE(WaitUntil([&] { return Run("document.title") != "waiting"; }));
    EXPECT_EQ(Run("document.title"), "refused");
}

TEST_F(ClassroomPagesOnlyTest, APageShowsItsOwnPicturesAndStylesButNoPictureFromOutside) {
    EXPECT_EQ(Run("String(document.getElementById('inside').naturalWidth)"), "8");
    EXPECT_EQ(Run("getComputedStyle(document.getElementById('p')).color"), "rgb(0, 128, 0)");
    EXPECT_EQ(Run("String(document.getElementById('outside').naturalWidth)"), "0");
}

TEST_F(ClassroomPagesOnlyTest, ALinkToAFileOutsideTheFolderOrToADataFileShowsNothingOfIt) {
    for (const std::string& target : {std::string("/etc/passwd"), classroom.DataRoot() + "prof_edit/090000PC02.dat"}) {
        const auto done = events.completed.size() + 1;
        browser.Navigate(target);
        ASSERT_TRUE(WaitUntil([&] { return events.completed.size() >= done; }));
        EXPECT_EQ(Run("document.body ? document.body.innerText.indexOf('Himitsu') : -1"), "-1") << target;
        EXPECT_EQ(Run("document.body ? document.body.innerText.indexOf('root:') : -1"), "-1") << target;
    }
}

// PC02 left its profile's edit form on its result page, the password filled in; PC01's own page is
// one PC01 just showed.
TEST_F(ClassroomPagesOnlyTest, AClassmatesResultPageShowsNothingOfItWhileTheOwnOneLoads) {
    classroom.Write("prof/tmpPC02.html", "<html><body><form><input id=\"pw\" value=\"Himitsu\"></form></body></html>\n");
    classroom.Write("prof/tmpPC01.html", "<html><body><p>own page</p></body></html>\n");
    EXPECT_EQ(Run("readFile('../../prof/tmpPC02.html')"), "blocked");
    EXPECT_EQ(Run("readFile('../../PROF/TMPPC02.HTML')"), "blocked");
    EXPECT_EQ(Run("readFile('../../prof/tmpPC01.html')").rfind("read ", 0), 0u);

    auto done = events.completed.size() + 1;
    browser.Navigate(classroom.DataRoot() + "prof/tmpPC02.html");
    ASSERT_TRUE(WaitUntil([&] { return events.completed.size() >= done; }));
    EXPECT_EQ(Run("document.body ? document.body.innerHTML.indexOf('Himitsu') : -1"), "-1");

    done = events.completed.size() + 1;
    browser.Navigate(classroom.DataRoot() + "prof/tmpPC01.html");
    ASSERT_TRUE(WaitUntil([&] { return events.completed.size() >= done; }));
    ASSERT_TRUE(WaitUntil([&] { return Run("document.readyState") == "complete"; }));
    EXPECT_EQ(Run("document.body.innerText"), "own page");
}

namespace {

class DamagedBoardInTheWindowTest : public SampleStationTest {
protected:
    void SetUp() override {
        SampleStationTest::SetUp();
        // A lone lead byte in front of each tag: read as a double-byte character it would swallow the "<".
        classroom.WriteBytes("bbs/bbsData.dat",
                             "\r\nPC02#c#1.1.1.1#c#2026/12/07 9:00:00#c#\x81<b>x</b>#c#\x81<img src=\"x\" onerror=\""
                             "document.title='ran'\">\x81<script>document.title='ran'</script>\r\n");
        StartPhone();
    }
};

} // namespace

TEST_F(DamagedBoardInTheWindowTest, TheBoardShowsTheBrokenPostAsText) {
    const std::string board = classroom.DataRoot() + "bbs/tmpPC01bbs.html";
    window().Run([&] { phone().Navigate(std::string(VirtualSiteRoot) + "bbs.html"); });
    ASSERT_TRUE(WaitForCompletion(board));
    QWebEnginePage& page = *station.browser().View()->page();
    QTest::qWait(300);
    EXPECT_NE(Evaluate(page, "document.title").toString().toStdString(), "ran");
    EXPECT_EQ(Evaluate(page, "document.querySelectorAll('table.posts img, table.posts script').length").toInt(), 0);
    EXPECT_NE(Evaluate(page, "document.body.innerText.indexOf('<script>')").toInt(), -1);
    EXPECT_NE(Evaluate(page, "document.body.innerText.indexOf('<b>x</b>')").toInt(), -1);
}

TEST(MayLoad, OfTheStationsResultPagesOnlyItsOwn) {
    const QString folder = QStringLiteral("/srv/クラス/data");
    const auto file = [](const char* path) { return QUrl::fromLocalFile(QString::fromUtf8(path)); };
    for (const char* path : {"/srv/クラス/data/prof/tmpPC01.html", "/srv/クラス/data/fortune/tmpPC01fortune.html",
                             "/srv/クラス/data/s_beginner/tmp3PC01sns.html", "/srv/クラス/data/bbs/tmpPC01bbs.html",
                             "/srv/クラス/data/risk/tmpPC01risk.html"})
        EXPECT_TRUE(MayLoad(file(path), folder, "PC01")) << path;
    for (const char* path : {"/srv/クラス/data/prof/tmpPC02.html", "/srv/クラス/data/prof/tmpPC011.html",
                             "/srv/クラス/data/fortune/tmpPC02fortune.html", "/srv/クラス/data/risk/tmpPC0risk.html",
                             "/srv/クラス/data/s_beginner/tmp3PC02sns.html", "/srv/クラス/data/PROF/tmpPC01.html",
                             "/srv/クラス/data/prof/TMPPC01.HTML", "/srv/クラス/data/price/tmpPC02price.html"})
        EXPECT_FALSE(MayLoad(file(path), folder, "PC01")) << path;
    EXPECT_FALSE(MayLoad(file("/srv/クラス/data/prof/tmpPC01.html"), folder, "PC0"));
    const std::string station = Utf8ToCp932("ソフト表");
    EXPECT_TRUE(MayLoad(file("/srv/クラス/data/prof/tmpソフト表.html"), folder, station));
    EXPECT_FALSE(MayLoad(file("/srv/クラス/data/prof/tmpソフト.html"), folder, station));
}

TEST(MayLoad, PagesAndTheirPartsOfTheDataFolderAndContentThatNamesNoPlace) {
    const QString folder = QStringLiteral("/srv/classroom/data/");
    const auto file = [](const char* path) { return QUrl::fromLocalFile(QString::fromUtf8(path)); };
    for (const char* path : {"/srv/classroom/data/kyouzai/contents/index.html", "/srv/classroom/data/bbs/tmpPC01bbs.html",
                             "/srv/classroom/data/prof/prof.css", "/srv/classroom/data/mail_photo/PC01134512.JPG",
                             "/srv/classroom/data/prof/illustration/a.png", "/srv/classroom/data/x/y.js",
                             "/srv/classroom/data/a.gif", "/srv/classroom/data/a.bmp", "/srv/classroom/data/a.svg",
                             "/srv/classroom/data/a.jpeg", "/srv/classroom/data/a.htm"})
        EXPECT_TRUE(MayLoad(file(path), folder, "PC01")) << path;
    for (const char* path : {"/etc/passwd", "/srv/classroom/data/prof_edit/090000PC01.dat",
                             "/srv/classroom/data/prof/prof_quest.txt", "/srv/classroom/data/mail_box/log_PC01.dat",
                             "/srv/classroom/data/", "/srv/classroom/data", "/srv/classroom/data2/a.html",
                             "/srv/classroom/data/../outside.png", "/srv/classroom/other.html", "/srv/classroom/data/a"})
        EXPECT_FALSE(MayLoad(file(path), folder, "PC01")) << path;
    EXPECT_FALSE(MayLoad(QUrl(QStringLiteral("file:///srv/classroom/data/../secret.html")), folder, "PC01"));
    for (const char* url : {"data:image/png;base64,AAAA", "about:blank", "qrc:///qtwebchannel/qwebchannel.js",
                            "blob:file:///1234"})
        EXPECT_TRUE(MayLoad(QUrl(QString::fromUtf8(url)), folder, "PC01")) << url;
    for (const char* url : {"http://velquin.invalid/bbs.html", "https://example.com/a.png", "ftp://x/a.html"})
        EXPECT_FALSE(MayLoad(QUrl(QString::fromUtf8(url)), folder, "PC01")) << url;
}
