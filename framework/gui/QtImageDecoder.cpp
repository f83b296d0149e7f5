#include "framework/gui/QtImageDecoder.h"

#include <cstdint>
#include <limits>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "framework/core/PictReader.h"
#include "framework/core/PictureDecoder.h"

namespace fw {

namespace {

constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFFu;

// The PICT reader's bounds, so that no other format is a way round them.
bool WithinLimits(const QSize& size)
{
    constexpr int kMaxDimension = PictReader::kMaxDimension;
    constexpr std::int64_t kMaxPixels = PictReader::kMaxPixels;
    return size.isValid() && !size.isEmpty() && size.width() <= kMaxDimension && size.height() <= kMaxDimension
        && std::int64_t { size.width() } * size.height() <= kMaxPixels;
}

} // namespace

Ref<Picture> DecodeWithQt(std::string_view bytes)
{
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<qsizetype>::max())) {
        return nullptr;
    }
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // A reader that cannot tell the size before decoding is trusted only as
    // far as the result, which is checked below.
    const QSize announced = reader.size();
    if (announced.isValid() && !WithinLimits(announced)) {
        return nullptr;
    }
    const QImage image = reader.read();
    if (image.isNull() || !WithinLimits(image.size())) {
        return nullptr;
    }
    return PictureFromQImage(image);
}

void InstallQtImageDecoder()
{
    SetFallbackPictureDecoder(&DecodeWithQt);
}

QImage ToQImage(const Picture& picture)
{
    QImage image(picture.Width(), picture.Height(), QImage::Format_ARGB32);
    if (image.isNull()) {
        return image;
    }
    const bool whiteIsTransparent = picture.Transparent() == 1;
    for (int y = 0; y < picture.Height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint32_t argb = picture.Pixel(x, y);
            line[x] = whiteIsTransparent && argb == kOpaqueWhite ? 0u : argb;
        }
    }
    return image;
}

Ref<Picture> PictureFromQImage(const QImage& image)
{
    if (image.isNull()) {
        return nullptr;
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    auto picture = New<Picture>(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            picture->SetPixel(x, y, line[x]);
        }
    }
    return picture;
}

} // namespace fw
