#include "platform/Text.h"
#include "sites/CharCodeSum.h"
#include "sites/Compatibility.h"
#include "sites/HalfWidth.h"
#include "sites/StarSigns.h"
#include "support/Classroom.h"
#include "support/SitePupil.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

TEST(CharCodeSum, AddsTheCp932CodesOfEveryCharacter) {
    EXPECT_EQ(CharCodeSum(u"abc"), 75264);
    EXPECT_EQ(CharCodeSum(u""), 0);
    EXPECT_EQ(CharCodeSum(u"あ"), 0x82A0);
    EXPECT_EQ(CharCodeSum(u"ｱ"), 0xB1 * 256);       // half-width katakana is one byte
    EXPECT_EQ(CharCodeSum(u"\u00E9"), 16128);       // not in CP932: counted as "?"
    EXPECT_EQ(CharCodeSum(u"\U0001F600"), 2 * 16128); // an emoji is two UTF-16 units, each a "?"
    EXPECT_EQ(CharCodeSum(u"aあ"), 97 * 256 + 0x82A0);
}

TEST(ToHalfWidth, MapsFullWidthAsciiSpaceAndKatakana) {
    EXPECT_EQ(ToHalfWidth(u"０１２３４５６７８９"), u"0123456789");
    EXPECT_EQ(ToHalfWidth(u"ＡＢＣ　ａｂｃ！～"), u"ABC abc!~");
    EXPECT_EQ(ToHalfWidth(u"ガッコウ・パン。"), u"ｶﾞｯｺｳ･ﾊﾟﾝ｡");
    EXPECT_EQ(ToHalfWidth(u"ひらがな漢字abc"), u"ひらがな漢字abc"); // nothing to map
    EXPECT_EQ(ToHalfWidth(u"ヴヶ"), u"ｳﾞヶ");                     // ヶ has no half-width form
}

TEST(StarSigns, BirthdayPartsArePaddedHalfWidthAndTrimmed) {
    EXPECT_EQ(BirthdayPart(u"3"), u"03");
    EXPECT_EQ(BirthdayPart(u""), u"00");
    EXPECT_EQ(BirthdayPart(u"123"), u"23");
    EXPECT_EQ(BirthdayPart(u" １２\t"), u"12");
    EXPECT_EQ(BirthdayPart(u"　5"), u"05"); // made half-width before trimming, the ideographic space goes too
    EXPECT_EQ(DateNumber(u"01", u"20"), 120);
    EXPECT_EQ(DateNumber(u"ab", u"20"), 0);
    EXPECT_EQ(DateNumber(u" 5", u"03"), 0);
}

TEST(StarSigns, BoundariesFollowTheTable) {
    const auto sign = [](std::u16string_view month, std::u16string_view day) {
        return std::u16string(StarSignOf(DateNumber(BirthdayPart(month), BirthdayPart(day))));
    };
    EXPECT_EQ(sign(u"1", u"20"), u"やぎ座");
    EXPECT_EQ(sign(u"1", u"21"), u"みずがめ座");
    EXPECT_EQ(sign(u"2", u"18"), u"みずがめ座");
    EXPECT_EQ(sign(u"2", u"19"), u"うお座");
    EXPECT_EQ(sign(u"8", u"23"), u"おとめ座");
    EXPECT_EQ(sign(u"12", u"21"), u"いて座");
    EXPECT_EQ(sign(u"12", u"22"), u"やぎ座");
    EXPECT_EQ(sign(u"13", u"5"), u"やぎ座");
    EXPECT_EQ(sign(u"１２", u"２１"), u"いて座"); // full-width digits count like ordinary ones
}

TEST(Compatibility, MarksComeFromTheChecksumAndTheLength) {
    const CompatibilityMarks marks = CompatibilityOf(u"ab");
    EXPECT_EQ(marks.meeting, 1);
    EXPECT_EQ(marks.dating, 3);
    EXPECT_EQ(marks.match, 5);
    EXPECT_EQ(CompatibilityRows(marks),
              u"<tr><td width=\"120\">出会いの可能性：</td><td><font color=\"#ff1111\">◎</font></td></tr>"
              u"<tr><td>デート運　：</td><td><font color=\"#ff1111\">◎◎◎</font></td></tr>"
              u"<tr><td>二人の相性：</td><td><font color=\"#ff1111\">◎◎◎◎◎</font></td></tr>");
}

namespace {

class FortuneSiteTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        std::string messages;
        for (int i = 1; i <= 85; ++i) messages += "msg" + std::to_string(i) + "\n";
        classroom.Write("fortune/message.txt", messages);
        for (const char* n : {"1", "2", "3", "4", "5"}) {
            const std::string page = std::string("fortune/fortune") + n;
            classroom.Write(page + "1.html", "<form><input><input></form>\n");
            classroom.Write(page + "2.html", std::string(n) + "[<!--velquinName-->](<!--velquinLAN-->)\n");
        }
        station.Start();
    }
    // Opens the fortune's entry page, types the values and submits them.
    void Tell(int fortune, const std::vector<std::string>& values) {
        const std::string page = "fortune" + std::to_string(fortune);
        station.Open("fortune/" + page + "1.html");
        Submit(station, page + "2.html", values);
    }
    std::string Page() const { return classroom.Read("fortune/tmpPC01fortune.html"); }
    std::string LastLog() const { return DataLines(classroom, "log/log_PC01.dat").back(); }

    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock, "10.0.0.1"};
};

} // namespace

TEST_F(FortuneSiteTest, TheSameNameAlwaysGetsTheSameLine) {
    Tell(1, {"abc"});
    EXPECT_EQ(Page(), "1[abc](<br>msg40<br>)\r\n");
    EXPECT_EQ(LastLog(), "PC01,10.0.0.1,2026/12/07 9:00:00,姓名占い,abc");
    EXPECT_EQ(station.browser.CurrentAddress(), classroom.DataRoot() + "fortune/tmpPC01fortune.html");
    EXPECT_EQ(station.phone.site.GenerationGuard, 0);
    Tell(3, {"abc"});
    EXPECT_EQ(Page(), "3[abc](<br>msg40<br>)\r\n");
    EXPECT_EQ(LastLog(), "PC01,10.0.0.1,2026/12/07 9:00:00,メルアド占い,abc");
}

TEST_F(FortuneSiteTest, NothingTypedAsksForInputAndBlanksCountAsTyped) {
    Tell(1, {""});
    EXPECT_EQ(Page(), "1[名なし](<br>名前を入れてください<br>)\r\n");
    EXPECT_EQ(LastLog(), "PC01,10.0.0.1,2026/12/07 9:00:00,姓名占い,");
    Tell(3, {""});
    EXPECT_EQ(Page(), "3[メルアドなし](<br>メルアドを入れてください<br>)\r\n");
    Tell(4, {""});
    EXPECT_EQ(Page(), "4[なし](<br>電話番号を入れてください<br>)\r\n");
    EXPECT_EQ(LastLog(), "PC01,10.0.0.1,2026/12/07 9:00:00,電話番号占い,");
    Tell(1, {"  "});
    EXPECT_EQ(Page().substr(0, 6), "1[  ](");
}

TEST_F(FortuneSiteTest, MarkupInTheSubjectIsShownAsTextAndLoggedAsTyped) {
    Tell(4, {"<b>090</b>"});
    EXPECT_EQ(Page().substr(0, 25), "4[&lt;b&gt;090&lt;/b&gt;]");
    EXPECT_EQ(LastLog(), "PC01,10.0.0.1,2026/12/07 9:00:00,電話番号占い,<b>090</b>");
}

TEST_F(FortuneSiteTest, AShortMessageFileGivesAnEmptyMessage) {
    classroom.Write("fortune/message.txt", "only one line\n");
    Tell(1, {"abc"});
    EXPECT_EQ(Page(), "1[abc](<br><br>)\r\n");
}

TEST_F(FortuneSiteTest, StarSignAnswersBySignAndLogsTheBirthday) {
    Tell(2, {"１", "２１"});
    const std::string aquarius = Page();
    EXPECT_EQ(aquarius.substr(0, 19), "2[みずがめ座](");
    EXPECT_EQ(LastLog(), "PC01,10.0.0.1,2026/12/07 9:00:00,星座占い,01月21日");
    Tell(2, {"2", "18"});
    EXPECT_EQ(Page(), aquarius); // every birthday of one sign gets the same answer
    Tell(2, {"", ""});
    EXPECT_EQ(Page(), "2[？？？](<br>誕生日を入れてください<br>)\r\n");
    EXPECT_EQ(LastLog(), "PC01,10.0.0.1,2026/12/07 9:00:00,星座占い,00月00日");
}

TEST_F(FortuneSiteTest, CompatibilityShowsMarksForTheTwoNames) {
    Tell(5, {" a ", "b"});
    EXPECT_EQ(Page(), "5[「a」さんと「b」さんとの相性](<br>" + WideToUtf8(CompatibilityRows({1, 3, 5})) + "<br>)\r\n");
    EXPECT_EQ(LastLog(), "PC01,10.0.0.1,2026/12/07 9:00:00,相性占い,a、b");
    Tell(5, {"a", ""});
    EXPECT_EQ(Page().rfind("5[「a」さんと「」さんとの相性](<br><tr>", 0), 0u);
    Tell(5, {"  ", ""});
    EXPECT_EQ(Page(), "5[「？」さんと「？」さんとの相性](<br>名前を入れてください<br>)\r\n");
    EXPECT_EQ(LastLog(), "PC01,10.0.0.1,2026/12/07 9:00:00,相性占い,、");
}

TEST_F(FortuneSiteTest, AMissingMessageFileEndsTheFortuneWithAnError) {
    std::filesystem::remove(classroom.root / "data/fortune/message.txt");
    Tell(1, {"abc"});
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_NE(station.errors.messages[0].find("message.txt"), std::string::npos);
    EXPECT_FALSE(classroom.Exists("fortune/tmpPC01fortune.html"));
}
