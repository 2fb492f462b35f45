#include "support/Classroom.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace vqtest;

namespace {

const QColor kSeeThrough(255, 163, 177);

// Bits per pixel, from the bitmap's own header.
int BitsPerPixel(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray head = f.read(30);
    return head.size() == 30 ? static_cast<unsigned char>(head[28]) | static_cast<unsigned char>(head[29]) << 8 : 0;
}

class PicturesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        classroom_ = new Classroom;
        classroom_->UseSampleContent();
    }
    static void TearDownTestSuite() { delete classroom_; }
    static QString File(const char* name) {
        return QString::fromStdString(classroom_->DataRoot() + "body_picture/") + QString::fromLatin1(name);
    }
    static Classroom* classroom_;
};

Classroom* PicturesTest::classroom_ = nullptr;

} // namespace

// What the window relies on: the lower-left pixel is the see-through colour, so is the outside of the
// phone; the screen is black under the browser; the keys and the power key sit on the body.
TEST_F(PicturesTest, EveryBodyFitsTheWindowAndItsKeys) {
    for (const char* name : {"smartphoneK.bmp", "smartphoneW.bmp", "smartphoneB.bmp", "smartphoneR.bmp", "smartphoneY.bmp",
                             "smartphoneG.bmp", "chocolate.bmp", "slaim.bmp", "transparency.bmp", "iPhone_W.bmp"}) {
        SCOPED_TRACE(name);
        const QImage body(File(name));
        ASSERT_EQ(body.size(), QSize(400, 730));
        EXPECT_EQ(BitsPerPixel(File(name)), 24);
        EXPECT_EQ(body.pixelColor(0, 729), kSeeThrough);
        EXPECT_EQ(body.pixelColor(0, 0), kSeeThrough);
        EXPECT_EQ(body.pixelColor(399, 0), kSeeThrough);
        for (const QPoint p : {QPoint(30, 55), QPoint(200, 330), QPoint(372, 604)}) EXPECT_EQ(body.pixelColor(p), Qt::black);
        // Under the power key and around the keys (one round key on the white body) is phone.
        for (const QPoint p : {QPoint(288, 20), QPoint(344, 47), QPoint(170, 661), QPoint(229, 661)})
            EXPECT_NE(body.pixelColor(p), kSeeThrough) << p.x() << "," << p.y();
        if (QString::fromLatin1(name) != QStringLiteral("iPhone_W.bmp")) {
            for (const QPoint p : {QPoint(30, 611), QPoint(370, 656)}) EXPECT_NE(body.pixelColor(p), kSeeThrough);
        }
    }
}

TEST_F(PicturesTest, TheHomeKeyGlyphsAreOutlinesOnWhite) {
    for (const char* name : {"icon_A_home.bmp", "iPhoneButton.bmp"}) {
        SCOPED_TRACE(name);
        const QImage glyph(File(name));
        ASSERT_FALSE(glyph.isNull());
        EXPECT_EQ(glyph.pixelColor(0, glyph.height() - 1), Qt::white); // the glyph's see-through colour
        EXPECT_LE(glyph.width(), 60);
        int ink = 0;
        for (int y = 0; y < glyph.height(); ++y)
            for (int x = 0; x < glyph.width(); ++x) ink += glyph.pixelColor(x, y).lightness() < 128;
        EXPECT_GT(ink, 40);
    }
    EXPECT_EQ(QImage(File("icon_A_home.bmp")).size(), QSize(48, 36));
}

TEST(BuiltInPictures, HaveTheirDesignedSizes) {
    const auto size = [](const char* name) { return QImage(QStringLiteral(":/pictures/") + QString::fromLatin1(name)).size(); };
    EXPECT_EQ(size("body.bmp"), QSize(400, 730));
    EXPECT_EQ(size("status_bar.bmp"), QSize(280, 38));
    for (const char* glyph : {"glyph_back.bmp", "glyph_home.bmp", "glyph_menu.bmp"}) EXPECT_EQ(size(glyph), QSize(48, 36));
    for (const char* face : {"swatch1.bmp", "swatch4.bmp", "swatch6.bmp"}) EXPECT_EQ(size(face), QSize(55, 55));
    for (const char* face : {"swatch7.bmp", "swatch8.bmp"}) EXPECT_EQ(size(face), QSize(48, 48));
}

// The desktop shows an icon at whatever size its menu or panel asks for: every size is a picture of
// that size whose corners let the desktop show through and whose middle is drawn, and the scalable
// one is an SVG of the same square.
TEST(DesktopIcons, EverySizeAndTheSvgOfBothPrograms) {
    for (const char* program : {"velquinlan", "velquinlan-teacher"}) {
        const QString theme = QStringLiteral(VQ_ICONS "/%1/hicolor/").arg(QString::fromLatin1(program));
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage icon(theme + QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(QString::fromLatin1(program)));
            ASSERT_EQ(icon.size(), QSize(size, size)) << program << " " << size;
            EXPECT_TRUE(icon.hasAlphaChannel());
            EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << program << " " << size;
            EXPECT_EQ(qAlpha(icon.pixel(size - 1, 0)), 0) << program << " " << size;
            EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << program << " " << size;
        }
        QFile svg(theme + QStringLiteral("scalable/apps/%1.svg").arg(QString::fromLatin1(program)));
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly)) << program;
        QXmlStreamReader xml(&svg);
        ASSERT_TRUE(xml.readNextStartElement());
        EXPECT_EQ(xml.name(), QStringLiteral("svg"));
        EXPECT_EQ(xml.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 256 256"));
        int figures = 0;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() != QStringLiteral("stop")) ++figures;
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        EXPECT_GT(figures, 10) << program;
    }
}
