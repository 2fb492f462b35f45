#include "platform/Text.h"
#include "site/HtmlText.h"
#include "site/RecordText.h"
#include "sites/PostRecord.h"
#include "sites/ShownText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vq;

namespace {

std::string Shown(std::string_view stored) {
    std::string page;
    AppendShownText(page, stored);
    return page;
}

// What the byte-level path must agree with: the record text decoded and escaped as wide text.
std::string ShownTheWideWay(std::string_view stored) {
    return ToNarrow(EscapeHtmlLines(DecodeRecordText(ToWide(stored))));
}

// The text a page shows, with every unreadable character as "?": a pair of bytes CP932 leaves
// unassigned is passed on whole by the byte-level path and shows as one unreadable character.
std::u16string Seen(std::string_view page) {
    std::u16string seen = ToWide(page);
    std::replace(seen.begin(), seen.end(), u'\uFFFD', u'?');
    return seen;
}

} // namespace

TEST(ShownText, UndoesRecordEscapesAndEscapesMarkup) {
    EXPECT_EQ(Shown("a\\nb"), "a<br>b");
    EXPECT_EQ(Shown("#\\c#"), "#c#");
    EXPECT_EQ(Shown("\\\\n"), "\\n");
    EXPECT_EQ(Shown("<a href='x'>&\"</a>"), "&lt;a href=&#39;x&#39;&gt;&amp;&quot;&lt;/a&gt;");
    EXPECT_EQ(Shown("end\\"), "end\\");
    // "ソ" and "表" end in the byte of "\": it is part of the character, never the start of an escape.
    EXPECT_EQ(Shown(Utf8ToCp932("ソn表\\n")), Utf8ToCp932("ソn表<br>"));
}

TEST(ShownText, AgreesWithTheWideTextPathOnEveryMixOfTrickyPieces) {
    // Among them bytes no CP932 text holds: lone lead bytes, one of a row CP932 leaves empty, bytes
    // that are no character at all.
    const std::vector<std::string> pieces{"a", "n", "c", "#", "\\", "<", ">", "&", "\"", "'", " ",
                                          Utf8ToCp932("ソ"), Utf8ToCp932("表"), Utf8ToCp932("あ"), "\\n", "#c#",
                                          "\x81", "\xE0", "\x85", "\x80", "\xA0", "\xFD", "\xFF"};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int round = 0; round < 3000; ++round) {
        std::string stored;
        for (int i = 0; i < 12; ++i) stored += pieces[pick(random)];
        ASSERT_EQ(Seen(Shown(stored)), Seen(ShownTheWideWay(stored))) << Cp932ToUtf8(stored);
        // And what a pupil types, stored the way posts are stored, shows as typed.
        const std::u16string typed = ToWide(stored) + u"\r\n" + ToWide(stored);
        ASSERT_EQ(Shown(ToNarrow(EncodeRecordText(typed))), ToNarrow(EscapeHtmlLines(typed)));
    }
}

TEST(ShownText, ALoneLeadByteShowsAsAQuestionMarkAndTheMarkupAfterItStaysText) {
    EXPECT_EQ(Shown("\x81<script>"), "?&lt;script&gt;");
    EXPECT_EQ(Shown("x\x81"), "x?");
    EXPECT_EQ(Shown("\x81\"y\x81'"), "?&quot;y?&#39;");
    EXPECT_EQ(Shown("\x81\x5Cn"), "\x81\x5Cn"); // a whole character whose trail byte is "\"
}

TEST(PostRecord, ReadsFieldsAndKeepsFurtherSeparatorsInTheText) {
    const auto post = ParsePostRecord("PC01#c#1.2.3.4#c#2026/12/07 9:00:00#c#name#c#a#c#b");
    ASSERT_TRUE(post);
    EXPECT_EQ(post->station, "PC01");
    EXPECT_EQ(post->name, "name");
    EXPECT_EQ(post->text, "a#c#b");
    EXPECT_FALSE(ParsePostRecord(""));
    EXPECT_FALSE(ParsePostRecord("continued text"));
    const auto shortRecord = ParsePostRecord("PC01#c#1.2.3.4");
    ASSERT_TRUE(shortRecord);
    EXPECT_EQ(shortRecord->name, "");
    EXPECT_EQ(shortRecord->text, "");
}
