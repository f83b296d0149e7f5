#include "Resources/tools/PictWriter.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace karvelio::tools {

namespace {

constexpr std::uint32_t k72Dpi = 0x00480000; // 72.0 as 16.16 fixed point

class ByteSink {
public:
    void Byte(unsigned value) { m_bytes.push_back(static_cast<char>(value & 0xFFu)); }
    void Word(unsigned value)
    {
        Byte(value >> 8);
        Byte(value);
    }
    void Long(std::uint32_t value)
    {
        Word(value >> 16);
        Word(value & 0xFFFFu);
    }
    void Rect(int width, int height)
    {
        Word(0);
        Word(0);
        Word(static_cast<unsigned>(height));
        Word(static_cast<unsigned>(width));
    }
    void Append(const std::string& bytes) { m_bytes += bytes; }
    void AlignToWord(std::size_t origin)
    {
        if ((m_bytes.size() - origin) % 2 != 0) {
            Byte(0);
        }
    }
    std::string& Bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

unsigned OverWhite(unsigned channel, unsigned alpha)
{
    return (channel * alpha + 255u * (255u - alpha) + 127u) / 255u;
}

// One row as four planes: alpha (always opaque), red, green, blue. Four
// planes rather than three because readers disagree on the size of a row's
// byte count when three planes fit in 250 bytes but four do not (widths 63
// to 83); with four, the plane bytes and the row bytes are the same number.
std::vector<std::uint8_t> RowPlanes(const fw::Picture& picture, int y)
{
    const auto width = static_cast<std::size_t>(picture.Width());
    std::vector<std::uint8_t> planes(4 * width, 0xFF);
    for (std::size_t x = 0; x < width; ++x) {
        const std::uint32_t argb = picture.Pixel(static_cast<int>(x), y);
        const unsigned alpha = argb >> 24;
        for (std::size_t c = 1; c < 4; ++c) {
            const unsigned channel = (argb >> (24 - 8 * c)) & 0xFFu;
            planes[c * width + x] = static_cast<std::uint8_t>(OverWhite(channel, alpha));
        }
    }
    return planes;
}

void WriteHeader(ByteSink& out, int width, int height)
{
    out.Word(0x0011); // version 2
    out.Word(0x02FF);
    out.Word(0x0C00); // extended header: native resolution and source rectangle
    out.Word(0xFFFE);
    out.Word(0);
    out.Long(k72Dpi);
    out.Long(k72Dpi);
    out.Rect(width, height);
    out.Long(0);
    out.Word(0x001E); // default highlight
    out.Word(0x0001); // clip region: the frame
    out.Word(10);
    out.Rect(width, height);
}

void WriteDirectBits(ByteSink& out, const fw::Picture& picture)
{
    const int width = picture.Width();
    const int height = picture.Height();
    const auto rowBytes = static_cast<unsigned>(4 * width);
    out.Word(0x009A);
    out.Long(0x000000FF); // base address
    out.Word(rowBytes | 0x8000u);
    out.Rect(width, height);
    out.Word(0);                    // pixel map version
    out.Word(rowBytes < 8 ? 1 : 4); // pack type: by component, unless too short to pack
    out.Long(0);                    // pack size
    out.Long(k72Dpi);
    out.Long(k72Dpi);
    out.Word(16); // RGB direct
    out.Word(32); // bits per pixel
    out.Word(4);  // components
    out.Word(8);  // bits per component
    out.Long(0);
    out.Long(0);
    out.Long(0);
    out.Rect(width, height); // source
    out.Rect(width, height); // destination
    out.Word(0);             // srcCopy
    for (int y = 0; y < height; ++y) {
        const std::vector<std::uint8_t> planes = RowPlanes(picture, y);
        if (rowBytes < 8) {
            for (int x = 0; x < width; ++x) {
                out.Byte(0);
                for (int c = 1; c < 4; ++c) {
                    out.Byte(planes[static_cast<std::size_t>(c * width + x)]);
                }
            }
            continue;
        }
        const std::string packed = PackBits(planes);
        if (rowBytes > 250) {
            out.Word(static_cast<unsigned>(packed.size()));
        } else {
            out.Byte(static_cast<unsigned>(packed.size()));
        }
        out.Append(packed);
    }
}

std::size_t RunLength(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t unit)
{
    std::size_t run = 1;
    while (run < 128 && at + (run + 1) * unit <= bytes.size()
           && std::equal(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                         bytes.begin() + static_cast<std::ptrdiff_t>(at + unit),
                         bytes.begin() + static_cast<std::ptrdiff_t>(at + run * unit))) {
        ++run;
    }
    return run;
}

} // namespace

std::string PackBits(std::span<const std::uint8_t> bytes, std::size_t unit)
{
    std::string packed;
    const auto append = [&](std::size_t at, std::size_t count) {
        packed.append(reinterpret_cast<const char*>(bytes.data()) + at, count);
    };
    const std::size_t units = bytes.size() / unit;
    std::size_t i = 0;
    while (i < units) {
        const std::size_t run = RunLength(bytes, i * unit, unit);
        if (run >= 3) {
            packed.push_back(static_cast<char>(257 - run));
            append(i * unit, unit);
            i += run;
            continue;
        }
        // A literal stretch ends where a run of three begins.
        std::size_t literal = 0;
        while (i + literal < units && literal < 128 && RunLength(bytes, (i + literal) * unit, unit) < 3) {
            ++literal;
        }
        packed.push_back(static_cast<char>(literal - 1));
        append(i * unit, literal * unit);
        i += literal;
    }
    return packed;
}

std::string WritePict(const fw::Picture& picture)
{
    ByteSink out;
    out.Bytes().assign(512, '\0');
    const std::size_t origin = out.Bytes().size();
    out.Word(0); // size, filled in below
    out.Rect(picture.Width(), picture.Height());
    WriteHeader(out, picture.Width(), picture.Height());
    WriteDirectBits(out, picture);
    out.AlignToWord(origin);
    out.Word(0x00FF);
    const std::size_t size = out.Bytes().size() - origin;
    out.Bytes()[origin] = static_cast<char>((size >> 8) & 0xFFu);
    out.Bytes()[origin + 1] = static_cast<char>(size & 0xFFu);
    return std::move(out.Bytes());
}

} // namespace karvelio::tools
