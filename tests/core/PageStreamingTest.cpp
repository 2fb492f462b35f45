#include "platform/Files.h"
#include "platform/Text.h"
#include "site/PageBuilder.h"
#include "support/Classroom.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

TEST(FindCp932NoCase, IgnoresLetterCaseAndNeverStartsInsideACharacter) {
    EXPECT_EQ(FindCp932NoCase("ab<!--VelquinLAN-->", "<!--velquinlan-->"), 2u);
    EXPECT_EQ(FindCp932NoCase("abc", "x"), std::string_view::npos);
    // The second byte of "ソ" is "\"; a search for "\n" must not find it.
    EXPECT_EQ(FindCp932NoCase(Utf8ToCp932("ソn"), "\\n"), std::string_view::npos);
    EXPECT_EQ(FindCp932NoCase("aXa", "A", 1), 2u);
}

TEST(FileRewriter, ACutShorterFileKeepsOnlyTheNewContent) {
    Classroom classroom;
    const std::string path = classroom.DataRoot() + "f.txt";
    RewriteFile(path, "a long first content");
    {
        FileRewriter file(path);
        file.Write("ne");
        file.Write("w");
        file.Finish();
    }
    EXPECT_EQ(ReadAll(path), "new");
    EXPECT_THROW(FileRewriter(classroom.DataRoot() + "no/folder.txt"), std::exception);
}

namespace {

class PageStreamingTest : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        station.Start();
    }
    void Stream(const std::string& templateText, const std::string& piece) {
        classroom.Write("t.html", templateText);
        LoadTemplate(station.phone, "t.html");
        ShowResultPageStreaming(
            station.phone, kMainMarker,
            [&](PageSink& sink) {
                for (int i = 0; i < 3; ++i) {
                    sink.Text() += piece;
                    sink.Pass();
                }
            },
            "out.html");
    }
    Classroom classroom;
    ManualClock clock;
    Station station{classroom, "PC01", clock};
};

} // namespace

TEST_F(PageStreamingTest, FillsEveryOccurrenceInAnyCaseWithoutSearchingTheFill) {
    Stream("<p><!--velquinLAN--></p>\n<P><!--VELQUINLAN--></P>\n", "<!--velquinLAN-->");
    EXPECT_EQ(classroom.Read("out.html"),
              "<p><!--velquinLAN--><!--velquinLAN--><!--velquinLAN--></p>"
              "<P><!--velquinLAN--><!--velquinLAN--><!--velquinLAN--></P>\r\n");
    EXPECT_TRUE(station.browser.HasPending());
    EXPECT_EQ(station.phone.site.PageBuffer, u"<p><!--velquinLAN--></p><P><!--VELQUINLAN--></P>");
}

TEST_F(PageStreamingTest, APageWithoutTheMarkerIsWrittenAsItIs) {
    Stream("<p>なし</p>\n", "x");
    EXPECT_EQ(classroom.Read("out.html"), "<p>なし</p>\r\n");
}

TEST_F(PageStreamingTest, ALargeFillIsWrittenWholeAcrossChunks) {
    const std::string piece(200'000, 'x');
    Stream("[<!--velquinLAN-->]\n", piece);
    const std::string page = classroom.Read("out.html");
    EXPECT_EQ(page.size(), 3 * piece.size() + 4);
    EXPECT_EQ(page.front(), '[');
    EXPECT_EQ(page.substr(page.size() - 3), "]\r\n");
}
