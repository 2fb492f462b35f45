#include "site/HtmlText.h"
#include "site/RecordText.h"

#include <gtest/gtest.h>

using namespace vq;

TEST(RecordText, LineBreaksAndSeparatorsStayInsideOneField) {
    const std::u16string typed = u"一行目\r\n二行目\n#c#PC99#c#偽物\\n";
    const std::u16string stored = EncodeRecordText(typed);
    EXPECT_EQ(stored.find(u'\n'), std::u16string::npos);
    EXPECT_EQ(stored.find(u'\r'), std::u16string::npos);
    EXPECT_EQ(stored.find(kFieldSeparator), std::u16string::npos);
    EXPECT_EQ(SplitRecord(u"PC01#c#a#c#" + stored).size(), 3u);
    EXPECT_EQ(DecodeRecordText(stored), u"一行目\r\n二行目\r\n#c#PC99#c#偽物\\n");
}

TEST(RecordText, PlainTextIsStoredAsItIs) {
    EXPECT_EQ(EncodeRecordText(u"こんにちは #c"), u"こんにちは #c");
    EXPECT_EQ(DecodeRecordText(u"C:\\data"), u"C:\\data"); // an old record's lone backslash survives
}

TEST(RecordText, SplitKeepsEmptyFields) {
    EXPECT_EQ(SplitRecord(u"a#c##c#b"), (std::vector<std::u16string>{u"a", u"", u"b"}));
    EXPECT_EQ(SplitRecord(u"nothing"), std::vector<std::u16string>{u"nothing"});
}

TEST(HtmlText, MarkupTypedByAPupilShowsAsText) {
    EXPECT_EQ(EscapeHtml(u"<script>alert(\"x\")</script>&'"),
              u"&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;&amp;&#39;");
    EXPECT_EQ(EscapeHtmlLines(u"a<b>\r\nc\nd"), u"a&lt;b&gt;<br>c<br>d");
}
