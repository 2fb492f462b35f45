// A profile picture is decoded by the browser at every visit of the profile: a photo whose header
// claims more than any photo can be is not used.

#include "platform/Files.h"
#include "platform/Text.h"
#include "sites/profile/ProfilePictures.h"
#include "support/Classroom.h"
#include "support/PhotoDesk.h"

#include <gtest/gtest.h>

using namespace vq;
using namespace vqtest;

TEST(ProfilePictures, APhotoClaimingMoreThanAnyPhotoCanBeGivesTheStockPicture) {
    Classroom classroom;
    classroom.PrepareForStartUp();
    ManualClock clock;
    Station station(classroom, "PC01", clock);
    station.Start();
    const auto photo = [&](const std::string& code, const std::string& bytes) {
        RewriteFile(classroom.DataRoot() + "mail_photo/" + code + ".jpg", bytes);
        return ResolveProfilePicture(station.phone, Utf8ToWide(code));
    };
    EXPECT_EQ(photo("PC01huge", JpegClaimingSize(65488, 65488)), kFallbackPicture);
    EXPECT_EQ(photo("PC01wide", JpegClaimingSize(4097, 16)), kFallbackPicture);
    EXPECT_EQ(photo("PC01tall", JpegClaimingSize(16, 4097)), kFallbackPicture);
    EXPECT_EQ(photo("PC01largest", JpegClaimingSize(4096, 4096)), u"mail_photo/PC01largest.jpg");
    EXPECT_EQ(photo("PC01shot", JpegClaimingSize(160, 120)), u"mail_photo/PC01shot.jpg");
}
