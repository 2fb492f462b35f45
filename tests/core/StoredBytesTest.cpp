// Text is stored as CP932 bytes: what matters is the byte a character becomes. The yen sign is
// written as 0x5C, the byte of "\", and the second byte of many double-byte characters is 0x5C too.

#include "platform/Text.h"
#include "site/RecordText.h"
#include "sites/profile/ProfileListing.h"
#include "support/Classroom.h"
#include "support/MailDesk.h"
#include "support/SitePupil.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

// Typed, stored as CP932, read back.
std::u16string StoredAndRead(std::u16string_view typed) {
    return DecodeRecordText(ToWide(ToNarrow(EncodeRecordText(typed))));
}

} // namespace

// A typed "¥n" must not come back as a line break, nor "¥¥" as one "\": the yen sign reads back as
// the "\" its byte is.
TEST(StoredBytes, AYenSignIsEscapedAsTheBackslashItIsStoredAs) {
    EXPECT_EQ(StoredAndRead(u"1\u00A5n2"), u"1\\n2");
    EXPECT_EQ(StoredAndRead(u"\u00A5\u00A5"), u"\\\\");
    EXPECT_EQ(StoredAndRead(u"#\u00A5c#"), u"#\\c#");
    EXPECT_EQ(StoredAndRead(u"100\uFFE5"), u"100\uFFE5"); // the full-width yen sign has a code of its own
    EXPECT_EQ(StoredAndRead(u"ソフト表\\n"), u"ソフト表\\n");
}

TEST(StoredBytes, AYenSignOnTheBoardAndInAMailStaysText) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    classroom.Write("bbs/bbs.html", "<form><input><textarea></textarea></form><!--velquinLAN-->\n");
    classroom.Write("mail_box/log_PC02.dat", "\n");
    ManualClock clock;
    Station pc01(classroom, "PC01", clock);
    pc01.Start();
    pc01.Open(VirtualPage("bbs.html"));
    Submit(pc01, "bbs.html", {"たろう", "値段は\u00A5nです"});
    const std::string page = classroom.Read("bbs/tmpPC01bbs.html");
    EXPECT_NE(page.find("値段は\\nです"), std::string::npos) << page;
    EXPECT_EQ(page.find("値段は<br>"), std::string::npos) << page;

    SendMailTo(pc01, "PC02", "件名", "a\u00A5nb\u00A5\u00A5");
    Station pc02(classroom, "PC02", clock);
    pc02.Start();
    pc02.phone.Timer1Timer();
    ASSERT_EQ(pc02.phone.mail.ReceivedCount, 1);
    EXPECT_EQ(pc02.phone.mail.ReceivedMails[0].Body, u"a\\nb\\\\");
}

// A station named ソフト表 has photos whose names hold the byte of "\" twice; the turn of a stored
// "\" into "/" must leave those characters whole.
TEST(StoredBytes, APicturePathKeepsTheDoubleByteCharactersWhoseSecondByteIsABackslash) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    ManualClock clock;
    Station station(classroom, "PC01", clock);
    station.Start();
    classroom.Write("prof_html/090000ソフト表.html", "<p>x</p>\n");
    classroom.Write("prof_edit/090000ソフト表.dat", "ソフト表\nmail_photo\\ソフト表20261207134512.jpg\npw\n名前\n");
    const auto profiles = ListStoredProfiles(station.phone, ProfileOrder::ByStamp);
    ASSERT_EQ(profiles.size(), 1u);
    EXPECT_EQ(Cp932ToUtf8(profiles[0].picture), "mail_photo/ソフト表20261207134512.jpg");
}
