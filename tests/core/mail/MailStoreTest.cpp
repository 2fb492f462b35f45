#include "mail/BuildAddressBook.h"
#include "mail/MailRecord.h"
#include "mail/MailTable.h"
#include "mail/PhotoMarker.h"
#include "mail/TakeInbox.h"
#include "platform/Text.h"
#include "site/RecordText.h"
#include "support/Classroom.h"
#include "support/MailDesk.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

namespace {

MailEntry Parse(const std::string& utf8Line) { return ParseMailRecord(Utf8ToCp932(utf8Line)); }

MailEntry Mail(const char16_t* subject) { return {u"PC02", u"2026/12/07 9:00:00", subject, u"", u""}; }

class MailStore : public ::testing::Test {
protected:
    void SetUp() override {
        classroom.PrepareForStartUp();
        station.Start();
    }
    std::string Log() const { return classroom.Read("log/log_PC01.dat"); }

    Classroom classroom;
    ManualClock clock{{2026, 12, 7, 9, 5, 7, 0}};
    Station station{classroom, "PC01", clock, "10.0.0.1"};
};

} // namespace

TEST(MailRecordText, FieldsOfARecordAndOfShortOrOddLines) {
    const MailEntry whole = Parse("PC02#c#10.0.0.2#c#2026/12/07 9:00:00#c#PC01#c#件名#c#本文#c#も本文");
    EXPECT_EQ(whole.Party, u"PC02");
    EXPECT_EQ(whole.SentAt, u"2026/12/07 9:00:00");
    EXPECT_EQ(whole.Subject, u"件名");
    EXPECT_EQ(whole.Body, u"本文#c#も本文"); // the body is the rest of the line

    const MailEntry shortLine = Parse("PC02#c#10.0.0.2#c#t");
    EXPECT_EQ(shortLine.Party, u"PC02");
    EXPECT_EQ(shortLine.SentAt, u"t");
    EXPECT_EQ(shortLine.Subject, u"");
    EXPECT_EQ(shortLine.Body, u"");

    const MailEntry fiveFields = Parse("PC02#c#a#c#t#c#PC01#c#Hi");
    EXPECT_EQ(fiveFields.Subject, u"Hi");
    EXPECT_EQ(fiveFields.Body, u"");
}

TEST(MailRecordText, LineBreaksAndSeparatorsTypedByThePupilSurviveTheRoundTrip) {
    MailRecord record{"PC01", "10.0.0.1", "2026/12/07 9:00:00", u"PC02", EncodeRecordText(u"a#c#b"),
                      EncodeRecordText(u"一行目\r\n二行目#c#PC09\\n")};
    const std::string line = FormatMailRecord(record);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const MailEntry entry = ParseMailRecord(line);
    EXPECT_EQ(entry.Subject, u"a#c#b");
    EXPECT_EQ(entry.Body, u"一行目\r\n二行目#c#PC09\\n");
}

TEST(MailRecordText, TheLastMarkerOfAStoredBodyNamesThePhoto) {
    EXPECT_EQ(StoredMailBody(u"Hi", u"x.jpg"), u"Hi{Photo}x.jpg");
    const MailEntry photoMail = Parse("PC02#c#a#c#t#c#PC01#c#s#c#Hello\\n{Photo}PC01134512.jpg");
    EXPECT_EQ(photoMail.Body, u"Hello\r\n");
    EXPECT_EQ(photoMail.Photo, u"PC01134512.jpg");
    EXPECT_EQ(Parse("PC02#c#a#c#t#c#PC01#c#s#c#Hello").Photo, u"");
    // A record written before typed markers were encoded reads as it always did.
    const MailEntry old = Parse("PC02#c#a#c#t#c#PC01#c#s#c#a{Photo}b{Photo}PC01.jpg");
    EXPECT_EQ(old.Body, u"a{Photo}b");
    EXPECT_EQ(old.Photo, u"PC01.jpg");
}

// Stored with "{\Photo}" for a typed marker: however the typed text mixes markers and backslashes, it
// comes back as typed and names no photo unless one is attached.
TEST(MailRecordText, TypedMarkersComeBackAsTypedAndNameNoPhoto) {
    EXPECT_EQ(StoredMailBody(u"look{Photo}PC03134512.jpg", u""), u"look{\\Photo}PC03134512.jpg");
    for (const char16_t* typed : {u"{Photo}", u"{\\Photo}", u"\\{Photo}", u"{Photo}{Photo}x", u"#c#{Photo}\r\n\\",
                                  u"{{Photo}}", u"{\\\\Photo}"}) {
        for (const char16_t* photo : {u"", u"PC01134512.jpg"}) {
            const MailBody back = ReadStoredMailBody(StoredMailBody(typed, photo));
            EXPECT_EQ(back.text, typed) << WideToUtf8(typed);
            EXPECT_EQ(back.photo, photo) << WideToUtf8(typed);
        }
    }
}

TEST(MailTables, DeletingClosesTheGapAndATableGrowsPastAnySize) {
    MailState mail;
    const MailTable table = TableOf(mail, MailBox::Received);
    for (const char16_t* s : {u"a", u"b", u"c", u"d"}) AddMailEntry(table, Mail(s));
    RemoveMailEntry(table, 1); // middle
    ASSERT_EQ(mail.ReceivedCount, 3);
    EXPECT_EQ(mail.ReceivedMails[0].Subject, u"a");
    EXPECT_EQ(mail.ReceivedMails[1].Subject, u"c");
    EXPECT_EQ(mail.ReceivedMails[2].Subject, u"d");
    RemoveMailEntry(table, 2); // last: just one fewer
    EXPECT_EQ(mail.ReceivedCount, 2);
    RemoveMailEntry(table, 2); // no such slot
    RemoveMailEntry(table, -1);
    EXPECT_EQ(mail.ReceivedCount, 2);
    AddMailEntry(table, Mail(u"e")); // reuses the freed slot
    EXPECT_EQ(mail.ReceivedMails[2].Subject, u"e");
    EXPECT_EQ(mail.SentCount, 0);

    for (int i = 0; i < 2100; ++i) AddMailEntry(TableOf(mail, MailBox::Sent), Mail(u"x"));
    EXPECT_EQ(mail.SentCount, 2100);
    EXPECT_EQ(mail.SentMails.size(), 2100u);
}

TEST_F(MailStore, AddressBookListsEveryInboxFileWhateverItsCase) {
    classroom.Write("mail_box/LOG_PC02.DAT", "\n");
    classroom.Write("mail_box/log_mylog_PC.dat", "\n");
    classroom.Write("mail_box/notes.txt", "\n");
    station.phone.mailPanel.ComboBoxMail.Text = u"typed";
    BuildAddressBook(station.phone);
    const auto& items = station.phone.mailPanel.ComboBoxMail.Items;
    EXPECT_EQ(items, (std::vector<std::u16string>{u"PC02", u"PC01", u"myPC"}));
    EXPECT_EQ(station.phone.mailPanel.ComboBoxMail.Text, u"typed");
}

TEST_F(MailStore, NoInboxAtAllGivesAnEmptyAddressBook) {
    std::filesystem::remove(classroom.root / "data/mail_box/log_PC01.dat");
    station.phone.mailPanel.ComboBoxMail.Items = {u"old"};
    BuildAddressBook(station.phone);
    EXPECT_TRUE(station.phone.mailPanel.ComboBoxMail.Items.empty());
}

TEST_F(MailStore, TakingAnEmptyInboxFindsNothingAndStartsNoNotice) {
    TakeInbox(station.phone);
    EXPECT_EQ(station.phone.mail.ReceivedCount, 0);
    EXPECT_FALSE(station.phone.window.Timer2.Enabled);
    EXPECT_EQ(classroom.Read("mail_box/log_PC01.dat"), "\r\n");
    EXPECT_EQ(Log(), "\r\n");
}

TEST_F(MailStore, TakingMovesEveryRecordIntoTheTableLogsEachAndEmptiesTheFile) {
    classroom.Write("mail_box/log_PC01.dat",
                    "\n"
                    "PC02#c#10.0.0.2#c#2026/12/07 9:00:00#c#PC01#c#一通目#c#本文\n"
                    "no record here\n"
                    "PC03#c#10.0.0.3#c#2026/12/07 9:01:00#c#PC01#c#写真#c#見て{Photo}PC03090100.jpg\n");
    TakeInbox(station.phone);
    const MailState& mail = station.phone.mail;
    ASSERT_EQ(mail.ReceivedCount, 2);
    EXPECT_EQ(mail.ReceivedMails[0].Subject, u"一通目");
    EXPECT_EQ(mail.ReceivedMails[1].Party, u"PC03");
    EXPECT_EQ(classroom.Read("mail_box/log_PC01.dat"), "\r\n");
    EXPECT_EQ(Log(), "\r\nPC01,10.0.0.1,2026/12/07 9:05:07,メール受信,\r\n"
                     "PC01,10.0.0.1,2026/12/07 9:05:07,写真つきメール受信,\r\n");
    EXPECT_TRUE(station.phone.window.Timer2.Enabled);
    EXPECT_EQ(station.phone.window.Timer2.Interval, 30);

    TakeInbox(station.phone); // taken once only
    EXPECT_EQ(mail.ReceivedCount, 2);
}

TEST_F(MailStore, AMissingInboxIsReportedAndAFailingLogLosesNoMail) {
    std::filesystem::remove(classroom.root / "data/mail_box/log_PC01.dat");
    station.phone.Timer1Timer();
    ASSERT_EQ(station.errors.messages.size(), 1u);
    EXPECT_NE(station.errors.messages[0].find("受信箱"), std::string::npos);

    classroom.Write("mail_box/log_PC01.dat", "PC02#c#a#c#t#c#PC01#c#Hi#c#body\n");
    std::filesystem::remove(classroom.root / "data/log/log_PC01.dat");
    station.phone.Timer1Timer();
    EXPECT_EQ(station.errors.messages.size(), 2u);
    EXPECT_EQ(station.phone.mail.ReceivedCount, 1);
    // Emptied before logging: the next poll does not bring the same mail again.
    EXPECT_EQ(classroom.Read("mail_box/log_PC01.dat"), "\r\n");
}
