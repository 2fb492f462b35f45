// The file of hidden posts and how hidden posts are placed among the others.

#include "platform/Text.h"
#include "teacher/ClassPosts.h"

#include <gtest/gtest.h>

using namespace vq;

namespace {

std::vector<std::string> Shown(const std::vector<ClassPost>& posts) {
    std::vector<std::string> out;
    for (const ClassPost& p : posts) out.push_back((p.hidden ? "-" : std::to_string(p.number)) + WideToUtf8(p.text));
    return out;
}

} // namespace

TEST(ClassPosts, DamagedLinesOfTheHiddenFileAreLeftOutAndTheRestSorted) {
    const auto hidden = ParseHiddenPosts("\r\n7#c#PC02#c#a#c#t#c#n#c#late\r\nx#c#PC01#c#a#c#t#c#n#c#bad number\r\n"
                                         "1#c#not a record\r\n1#c#PC01#c#a#c#t#c#n#c#early\r\nno separator\r\n");
    ASSERT_EQ(hidden.size(), 2u);
    EXPECT_EQ(hidden[0].position, 1u);
    EXPECT_EQ(hidden[1].position, 7u);
    EXPECT_EQ(ParseHiddenPosts(FormatHiddenPosts(hidden)).size(), 2u);
}

TEST(ClassPosts, HiddenPostsGoBackToTheirPlacesOrAfterTheRest) {
    const std::string board = "\r\nP#c#a#c#t#c#n#c#A\r\ncontinuation of A\r\nP#c#a#c#t#c#n#c#C\r\n";
    const std::vector<HiddenPost> hidden{{1, "P#c#a#c#t#c#n#c#B"}, {9, "P#c#a#c#t#c#n#c#Z"}};
    EXPECT_EQ(Shown(MergePosts(board, hidden)), (std::vector<std::string>{"1A", "-B", "2C", "-Z"}));
    // A post and its text as typed: line breaks and separators come back from their stored form.
    const auto typed = MergePosts(Utf8ToCp932("P#c#a#c#2026/12/07 9:00:00#c#な#\\c#まえ#c#一行目\\n二行目#c#続き"), {});
    ASSERT_EQ(typed.size(), 1u);
    EXPECT_EQ(WideToUtf8(typed[0].name), "な#c#まえ");
    EXPECT_EQ(WideToUtf8(typed[0].text), "一行目\r\n二行目#c#続き");
    EXPECT_EQ(WideToUtf8(typed[0].time), "2026/12/07 9:00:00");
}
