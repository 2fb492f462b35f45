#include "platform/Files.h"
#include "platform/Jpeg.h"
#include "platform/PlatformError.h"
#include "support/Classroom.h"
#include "support/PhotoDesk.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

using namespace vq;
using namespace vqtest;

namespace {

RgbImage Gradient(int width, int height) {
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
            image.pixels[at] = static_cast<std::uint8_t>(x * 255 / (width - 1));
            image.pixels[at + 1] = static_cast<std::uint8_t>(y * 255 / (height - 1));
            image.pixels[at + 2] = 128;
        }
    return image;
}

int LargestDifference(const RgbImage& a, const RgbImage& b) {
    int largest = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) largest = std::max(largest, std::abs(a.pixels[i] - b.pixels[i]));
    return largest;
}

} // namespace

// 4 KB claiming 65488 x 65488 pixels once took 12.6 GB and half a minute before failing.
TEST(Jpeg, APhotoClaimingToBeHugeIsRefusedByNameBeforeDecoding) {
    Classroom classroom;
    RewriteFile(classroom.DataRoot() + "mail_photo/huge.jpg", JpegClaimingSize(65488, 65488));
    const auto start = std::chrono::steady_clock::now();
    try {
        (void)ReadJpegFile(classroom.DataRoot() + "mail_photo/huge.jpg");
        FAIL();
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find("huge.jpg"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("65488"), std::string::npos) << e.what();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_THROW((void)DecodeJpeg(JpegClaimingSize(4097, 16)), PlatformError);
    EXPECT_THROW((void)DecodeJpeg(JpegClaimingSize(16, 4097)), PlatformError);
    EXPECT_EQ(DecodeJpeg(EncodeJpeg(Gradient(4096, 2), 50)).width, 4096); // the largest photo decodes
}

TEST(Jpeg, AFileRoundTripKeepsSizeAndColours) {
    Classroom classroom;
    const std::string path = classroom.DataRoot() + "tmp_photo/PC01.jpg";
    const RgbImage image = Gradient(160, 120);
    WriteJpegFile(path, image, 100);
    EXPECT_EQ(ReadAll(path).substr(0, 2), "\xFF\xD8");
    const RgbImage back = ReadJpegFile(path);
    ASSERT_EQ(back.width, 160);
    ASSERT_EQ(back.height, 120);
    EXPECT_LE(LargestDifference(image, back), 8);
    // A lower quality makes a smaller file of the same picture.
    EXPECT_LT(EncodeJpeg(image, 30).size(), EncodeJpeg(image, 100).size());
}

TEST(Jpeg, FailuresAreReadableErrors) {
    Classroom classroom;
    EXPECT_THROW((void)DecodeJpeg("not a picture"), PlatformError);
    EXPECT_THROW((void)DecodeJpeg(""), PlatformError);
    const std::string whole = EncodeJpeg(Gradient(32, 16), 90);
    EXPECT_THROW((void)DecodeJpeg(whole.substr(0, 20)), PlatformError);
    EXPECT_THROW((void)ReadJpegFile(classroom.DataRoot() + "mail_photo/none.jpg"), PlatformError);
    EXPECT_THROW(WriteJpegFile(classroom.DataRoot() + "no_folder/x.jpg", Gradient(8, 8), 90), PlatformError);
    EXPECT_THROW((void)EncodeJpeg(RgbImage(), 90), PlatformError);
    try {
        classroom.Write("mail_photo/broken.jpg", "broken");
        (void)ReadJpegFile(classroom.DataRoot() + "mail_photo/broken.jpg");
        FAIL();
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find("broken.jpg"), std::string::npos);
    }
}
