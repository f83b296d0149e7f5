// The Qt half of picture handling: formats other than PICT, and the image
// that a canvas draws, with white left out when Transparent is 1.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "framework/core/FolderItem.h"
#include "framework/core/PictureDecoder.h"
#include "framework/gui/QtImageDecoder.h"
#include "tests/support/TempDir.h"

namespace {

std::string Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes.toStdString();
}

QImage Sample()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    const QRgb colours[] = { 0xFFFFFFFF, 0xFF102030, 0xFFFEFEFE, 0x80FF0000, 0xFF000000, 0x00000000 };
    for (int i = 0; i < 6; ++i) {
        image.setPixel(i % 3, i / 3, colours[i]);
    }
    return image;
}

TEST(QtImageDecoder, DecodesPngWithItsPixelsAndAlpha)
{
    const auto picture = fw::DecodeWithQt(Encoded(Sample(), "PNG"));
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(picture->Width(), 3);
    ASSERT_EQ(picture->Height(), 2);
    const QImage sample = Sample();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(picture->Pixel(i % 3, i / 3), sample.pixel(i % 3, i / 3)) << i;
    }
}

TEST(QtImageDecoder, GivesNilForGarbageAndForImagesPastTheLimit)
{
    EXPECT_EQ(fw::DecodeWithQt(""), nullptr);
    EXPECT_EQ(fw::DecodeWithQt("\x89PNG\r\n\x1A\n broken"), nullptr);
    QImage wide(4097, 1, QImage::Format_RGB32);
    wide.fill(Qt::red);
    EXPECT_EQ(fw::DecodeWithQt(Encoded(wide, "PNG")), nullptr);
}

TEST(QtImageDecoder, OpenAsPictureReadsOtherFormatsOnceInstalled)
{
    karvelio::testing::TempDir dir;
    const auto path = dir.Write("a.bmp", Encoded(Sample(), "BMP"));
    fw::SetFallbackPictureDecoder({});
    EXPECT_EQ(fw::FolderItem(path).OpenAsPicture(), nullptr);
    fw::InstallQtImageDecoder();
    const auto picture = fw::FolderItem(path).OpenAsPicture();
    fw::SetFallbackPictureDecoder({});
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Pixel(1, 0), 0xFF102030u);
}

TEST(QtImageDecoder, ToQImageLeavesOutOnlyOpaqueWhiteAndOnlyWhenTransparent)
{
    const auto picture = fw::PictureFromQImage(Sample());
    ASSERT_NE(picture, nullptr);
    const QImage opaque = fw::ToQImage(*picture);
    EXPECT_EQ(opaque.pixel(0, 0), 0xFFFFFFFFu);
    picture->SetTransparent(1);
    const QImage transparent = fw::ToQImage(*picture);
    EXPECT_EQ(qAlpha(transparent.pixel(0, 0)), 0);
    const QImage sample = Sample();
    for (int i = 1; i < 6; ++i) {
        EXPECT_EQ(transparent.pixel(i % 3, i / 3), sample.pixel(i % 3, i / 3)) << i;
    }
}

} // namespace
