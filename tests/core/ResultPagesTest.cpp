// A station's result pages hold what its pupil just entered (a profile's password in the edit form, a
// fortune's phone number, a risk page's address); no classmate is shown them.

#include "platform/Text.h"
#include "site/ResultPages.h"
#include "support/Classroom.h"
#include "support/DemoRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

using namespace vq;
using namespace vqtest;

TEST(ResultPages, OwnPagesAreKnownByTheirExactNames) {
    for (const char* page : {"prof/tmpPC01.html", "fortune/tmpPC01fortune.html", "risk/tmpPC01risk.html",
                             "price/tmpPC01price.html", "number/tmpPC01number.html", "bbs/tmpPC01bbs.html",
                             "sns/tmpPC01sns.html", "s_beginner/tmp3PC01sns.html", "s_beginner/tmp12PC01sns.html"}) {
        EXPECT_TRUE(IsResultPage(page)) << page;
        EXPECT_TRUE(IsOwnResultPage(page, "PC01")) << page;
        // One name the prefix or the extension of the other: never the same station.
        EXPECT_FALSE(IsOwnResultPage(page, "PC0")) << page;
        EXPECT_FALSE(IsOwnResultPage(page, "PC011")) << page;
        EXPECT_FALSE(IsOwnResultPage(page, "C01")) << page;
        EXPECT_FALSE(IsOwnResultPage(page, "")) << page;
    }
    for (const char* page : {"prof/tmpPC0.html", "prof/tmpPC01fortune.html", "fortune/tmpPC01.html",
                             "s_beginner/tmpPC01sns.html", "s_beginner/tmpxPC01sns.html", "PROF/tmpPC01.html",
                             "prof/TMPPC01.html", "prof/tmpPC01.HTML", "prof/x/tmpPC01.html", "tmpPC01.html"})
        EXPECT_FALSE(IsOwnResultPage(page, "PC01")) << page;
    // A station whose name begins with digits, after a lesson's number.
    EXPECT_TRUE(IsOwnResultPage("s_beginner/tmp13Asns.html", "3A"));
    EXPECT_TRUE(IsOwnResultPage(Utf8ToCp932("prof/tmpソフト表.html"), Utf8ToCp932("ソフト表")));
}

TEST(ResultPages, AnyStationsTmpFileInAResultFolderIsOneInAnyLetterCase) {
    for (const char* page : {"prof/tmpPC02.html", "PROF/TMPPC02.HTML", "Fortune/Tmpx.html", "s_beginner/tmp.html",
                             "prof/tmp", "risk/tmpPC02risk.html"})
        EXPECT_TRUE(IsResultPage(page)) << page;
    for (const char* page : {"prof/prof_top.html", "prof/atmp.html", "kyouzai/contents/tmp.html", "tmp_photo/PC02.jpg",
                             "prof/illustration/tmp.png", "prof", "", "/prof/tmpPC02.html"})
        EXPECT_FALSE(IsResultPage(page)) << page;
}

// Every result page the program shows in the demos of every site is known as its station's own and
// as nobody else's: the rule above and the names the sites write cannot drift apart unseen.
TEST(ResultPages, EveryPageTheSitesShowInTheDemosIsTheirStationsOwn) {
    std::set<std::string> folders;
    const auto check = [&](const std::string& output) {
        std::istringstream printed(output);
        for (std::string line; std::getline(printed, line);) {
            // [PC01] navigate $DATA/prof/tmpPC01.html
            const std::size_t data = line.find("] navigate $DATA/");
            if (line.empty() || line[0] != '[' || data == std::string::npos) continue;
            const std::string station = Utf8ToCp932(line.substr(1, line.find(']') - 1));
            const std::string relative = Utf8ToCp932(line.substr(data + 17));
            const bool result = relative.find("/tmp") != std::string::npos;
            EXPECT_EQ(IsResultPage(relative), result) << line;
            if (!result) continue;
            folders.insert(relative.substr(0, relative.find('/')));
            EXPECT_TRUE(IsOwnResultPage(relative, station)) << line;
            EXPECT_FALSE(IsOwnResultPage(relative, station + "1")) << line;
            EXPECT_FALSE(IsOwnResultPage(relative, station.substr(0, station.size() - 1))) << line;
        }
    };
    for (const auto& entry : std::filesystem::directory_iterator(SourceDir() / "tools/demo")) {
        Classroom classroom;
        classroom.UseSampleContent();
        check(RunDemoScript(classroom, entry.path().filename().string()));
    }
    Classroom classroom; // the one page no demo opens
    classroom.UseSampleContent();
    check(RunScript(classroom, "station PC05 192.168.0.15\nopen virtual:number.html\n"));
    EXPECT_EQ(folders, (std::set<std::string>{"bbs", "fortune", "number", "price", "prof", "risk", "s_beginner", "sns"}));
}

namespace {

// PC01 leaves the profile's edit form on screen (its password filled in); PC02 mails itself a link
// to PC01's profile result page and opens it in the sent box.
const char* const kLinkToAClassmatesEditForm = R"(clock 2026/12/07 9:00:00
seed 3
station PC01 192.168.0.11
station PC02 192.168.0.12
use PC01
open prof/prof_top.html
open virtual:prof_write.html
fill 0 1
submit virtual:prof_new2.html
fill 1 himitsu99
fill 2 さくら
submit virtual:prof_new3.html
open virtual:prof_editlist.html
open prof_html/090000PC01prof_password.html
fill 0 himitsu99
submit prof/prof_edit2.html
fill 0 3
submit virtual:prof_edit4.html
use PC02
open virtual:MailStart.html
list 2
type address PC02
type subject hi
type body http://velquin.invalid/prof/tmpPC01.html
key soft-left
tick Timer3 3
open virtual:MailStart.html
list 1
list 0
show
key soft-centre
show
)";

} // namespace

TEST(ResultPages, AMailLinkToAClassmatesEditFormOffersNothingAndOpensNothing) {
    Classroom classroom;
    classroom.UseSampleContent();
    const std::string printed = RunScript(classroom, kLinkToAClassmatesEditForm);
    // PC01's own page keeps the form as it was: the pupil edits with the password filled in.
    EXPECT_NE(classroom.Read("prof/tmpPC01.html").find("value=\"himitsu99\""), std::string::npos);
    EXPECT_TRUE(Prints(printed, "[PC02] txtNewBody=http://velquin.invalid/prof/tmpPC01.html (shown)")) << printed;
    EXPECT_TRUE(Prints(printed, "[PC02] lblButtonCenter=表示 (hidden)")) << printed;
    EXPECT_FALSE(Prints(printed, "[PC02] lblButtonCenter=表示 (shown)")) << printed;
    EXPECT_TRUE(Prints(printed, "[PC02] MailLinkTarget=")) << printed;
    EXPECT_EQ(printed.find("[PC02] navigate $DATA/prof/tmpPC01.html"), std::string::npos) << printed;
}
