#include "platform/Text.h"

#include <gtest/gtest.h>

using namespace vq;

TEST(Text, Cp932RoundTripKeepsJapaneseAndHalfWidthKana) {
    const std::u16string text = u"掲示板ｶﾀｶﾅ～①№㈱ abc";
    EXPECT_EQ(ToWide(ToNarrow(text)), text);
    EXPECT_EQ(ToNarrow(u"あ"), "\x82\xa0");
}

TEST(Text, UnrepresentableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(ToNarrow(u"a\u00e9b"), "a?b");      // é is not in CP932
    EXPECT_EQ(ToNarrow(u"x\U0001F600y"), "x?y"); // one ? for a whole surrogate pair
}

TEST(Text, JapaneseInputVariantsBecomeTheirCp932Characters) {
    // Wave dash, double vertical line, minus sign and em dash as other systems' input methods type them.
    EXPECT_EQ(ToNarrow(u"\u301C\u2016\u2212\u2014"), "\x81\x60\x81\x61\x81\x7c\x81\x5c");
}

TEST(Text, Utf8ConversionsRoundTrip) {
    const std::string utf8 = "メール送信 ok";
    EXPECT_EQ(WideToUtf8(Utf8ToWide(utf8)), utf8);
    EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(utf8)), utf8);
}

TEST(Text, PageNameMatchesOnlyFromSecondPosition) {
    EXPECT_FALSE(MatchesPageName("prof_list.html", "prof_list.html"));
    EXPECT_TRUE(MatchesPageName("/prof_list.html", "prof_list.html"));
    EXPECT_TRUE(MatchesPageName("http://velquin.invalid/prof_list.html", "prof_list.html"));
    EXPECT_TRUE(OccursIn("prof_list.html", "prof_list.html"));
    EXPECT_FALSE(MatchesPageName("/a/b.html", "prof"));
}

TEST(Text, PageNameNeverMatchesInsideADoubleByteCharacter) {
    // "ソ" is 0x83 0x5C: its second byte is a backslash, "\x5c" must not match there.
    const std::string address = "/data/" + Utf8ToCp932("ソ") + "x";
    EXPECT_FALSE(MatchesPageName(address, "\\x"));
    // "ア" is 0x83 0x41: the trail byte is "A".
    EXPECT_FALSE(MatchesPageName("/" + Utf8ToCp932("ア") + "bc", "Abc"));
    EXPECT_TRUE(MatchesPageName("/" + Utf8ToCp932("ア") + "Abc", "Abc"));
}

TEST(Text, ReplaceAllNoCaseIgnoresCaseAndNeverRescans) {
    EXPECT_EQ(ReplaceAllNoCase("a<!--VELQUINLAN-->b<!--velquinLAN-->", "<!--velquinLAN-->", "X"), "aXbX");
    // The inserted text contains the marker again; it is not replaced a second time.
    EXPECT_EQ(ReplaceAllNoCase("[m]", "m", "mm"), "[mm]");
    EXPECT_EQ(ReplaceAllNoCase("abab", "aba", "-"), "-b");
}

// A lead byte that no trail byte follows (a broken file) is one unreadable character on its own: the
// byte after it, a "<" for one, is read as itself.
TEST(Text, ALoneLeadByteNeverTakesTheNextByteAlong) {
    EXPECT_EQ(ToWide("\x81<b>"), u"\uFFFD<b>");
    EXPECT_EQ(ToWide("a\x81"), u"a\uFFFD");
    EXPECT_EQ(ToWide("\x81\x7F" "a"), u"\uFFFD\x7F" u"a");
    EXPECT_EQ(ToWide("\x81\x5C"), u"\u2015"); // a trail byte that is "\" still belongs to its character
    EXPECT_EQ(FindCp932("\x81<!--m-->", "<!--m-->"), 1u);
    EXPECT_EQ(ReplaceAllNoCase("\x81<!--m-->", "<!--m-->", "x"), "\x81x");
}
