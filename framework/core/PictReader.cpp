#include "framework/core/PictReader.h"

#include <algorithm>
#include <array>
#include <new>
#include <optional>

#include "framework/core/PackBits.h"

namespace fw {

namespace {

// The reader's one error path: anything out of range or cut short.
struct Damaged {
};
// An opcode whose data length the reader cannot tell; the picture ends there.
struct Unsizable {
};

constexpr std::size_t kFileHeaderSize = 512;
constexpr unsigned kEndOfPicture = 0x00FF;
constexpr unsigned kVersionOpcode = 0x0011;
constexpr unsigned kVariable = 0xFF;

using Rect = PictReader::Rect;

// The version opcode follows the size word and the frame.
int VersionAt(std::string_view bytes)
{
    constexpr std::size_t kVersionOffset = 10;
    constexpr std::string_view kVersion1("\x11\x01", 2);
    constexpr std::string_view kVersion2("\x00\x11\x02\xFF", 4);
    if (bytes.size() < kVersionOffset) {
        return 0;
    }
    const std::string_view rest = bytes.substr(kVersionOffset);
    if (rest.starts_with(kVersion1)) {
        return 1;
    }
    if (rest.starts_with(kVersion2)) {
        return 2;
    }
    return 0;
}

bool IsEmpty(const Rect& r)
{
    return r.Width() <= 0 || r.Height() <= 0;
}

Rect Intersect(const Rect& a, const Rect& b)
{
    return { std::max(a.top, b.top), std::max(a.left, b.left), std::min(a.bottom, b.bottom),
             std::min(a.right, b.right) };
}

bool In(unsigned value, unsigned first, unsigned last)
{
    return value >= first && value <= last;
}

// Data lengths of the opcodes below 0x24, by opcode; kVariable where the
// data states or implies its own length.
constexpr std::array<std::uint8_t, 0x24> kLowOpcodeLengths { {
    0, kVariable, 8, 2, 1, 2, 4, 4, 2, 8, 8, 4, 4, 2, 4, 4,
    8, kVariable, kVariable, kVariable, kVariable, 2, 2, 0, 0, 0, 6, 6, 0, 6, 0, 6,
    8, 4, 6, 2,
} };

std::optional<std::size_t> FixedDataLength(unsigned opcode)
{
    if (opcode < kLowOpcodeLengths.size()) {
        const std::uint8_t length = kLowOpcodeLengths[opcode];
        return length == kVariable ? std::nullopt : std::optional<std::size_t>(length);
    }
    // Shapes come in groups of eight: frame..fill with a rectangle, then the
    // same five on the last rectangle with no data.
    const unsigned group = opcode & ~7u;
    if (In(opcode, 0x30, 0x5F)) {
        return (group & 8u) ? 0 : 8;
    }
    if (In(opcode, 0x60, 0x67)) {
        return 12;
    }
    if (In(opcode, 0x68, 0x6F)) {
        return 4;
    }
    if (In(opcode, 0x78, 0x7F) || In(opcode, 0x88, 0x8F) || In(opcode, 0xB0, 0xCF) || In(opcode, 0x8000, 0x80FF)) {
        return 0;
    }
    if (opcode == 0xA0) {
        return 2;
    }
    if (In(opcode, 0x0100, 0x7FFF)) {
        return (opcode >> 8) * 2u; // the reserved range, the header opcode 0x0C00 among them
    }
    return std::nullopt;
}

std::uint32_t Opaque(unsigned red, unsigned green, unsigned blue)
{
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

std::uint32_t FromRgb555(unsigned value)
{
    const auto expand = [](unsigned five) { return (five << 3) | (five >> 2); };
    return Opaque(expand((value >> 10) & 31u), expand((value >> 5) & 31u), expand(value & 31u));
}

std::vector<std::uint32_t> BlackAndWhite()
{
    std::vector<std::uint32_t> palette(256, Opaque(0, 0, 0));
    palette[0] = Opaque(255, 255, 255);
    return palette;
}

} // namespace

Ref<Picture> PictReader::Read(std::string_view bytes)
{
    for (const std::size_t offset : { std::size_t { 0 }, kFileHeaderSize }) {
        if (bytes.size() <= offset) {
            break;
        }
        const std::string_view picture = bytes.substr(offset);
        const int version = VersionAt(picture);
        if (version == 0) {
            continue;
        }
        PictReader reader(picture, version);
        try {
            reader.ReadPicture();
        } catch (const Unsizable&) {
            // Keep what was drawn before it.
        } catch (const Damaged&) {
            reader.m_canvas.reset();
        } catch (const std::bad_alloc&) {
            reader.m_canvas.reset();
        }
        if (reader.m_canvas) {
            return reader.m_canvas;
        }
    }
    return nullptr;
}

PictReader::PictReader(std::string_view bytes, int version)
    : m_bytes(bytes)
    , m_version(version)
{
}

void PictReader::ReadPicture()
{
    Skip(2); // the size word holds only the low 16 bits of the size: useless
    m_frame = ReadRect();
    if (IsEmpty(m_frame) || m_frame.Width() > kMaxDimension || m_frame.Height() > kMaxDimension
        || std::int64_t { m_frame.Width() } * m_frame.Height() > kMaxPixels) {
        throw Damaged {};
    }
    Skip(m_version == 1 ? 2 : 4);
    while (ReadOpcode()) {
    }
}

bool PictReader::ReadOpcode()
{
    unsigned opcode = 0;
    if (m_version == 1) {
        opcode = U8();
    } else {
        AlignToWord();
        opcode = U16();
    }
    if (opcode == kEndOfPicture) {
        return false;
    }
    if (opcode == kVersionOpcode) {
        Skip(m_version == 1 ? 1 : 2);
    } else if (In(opcode, 0x90, 0x91) || In(opcode, 0x98, 0x9B)) {
        DrawBitmapOpcode(opcode);
    } else {
        SkipOpcodeData(opcode);
    }
    return true;
}

void PictReader::SkipOpcodeData(unsigned opcode)
{
    if (const auto length = FixedDataLength(opcode)) {
        Skip(*length);
    } else if (opcode == 0x01 || In(opcode, 0x70, 0x77) || In(opcode, 0x80, 0x87)) {
        // Regions and polygons: the size word counts itself.
        const std::uint16_t size = U16();
        if (size < 2) {
            throw Damaged {};
        }
        Skip(size - 2u);
    } else if (In(opcode, 0x24, 0x27) || In(opcode, 0x2C, 0x2F) || In(opcode, 0x92, 0x97) || In(opcode, 0x9C, 0x9F)
               || In(opcode, 0xA2, 0xAF)) {
        SkipLengthPrefixed16();
    } else if (opcode == 0x28) {
        SkipText(4);
    } else if (opcode == 0x29 || opcode == 0x2A) {
        SkipText(1);
    } else if (opcode == 0x2B) {
        SkipText(2);
    } else if (opcode == 0xA1) {
        Skip(2); // the comment's kind
        SkipLengthPrefixed16();
    } else if (In(opcode, 0xD0, 0xFE) || opcode >= 0x8100) {
        SkipLengthPrefixed32();
    } else {
        throw Unsizable {}; // pixel patterns
    }
}

void PictReader::SkipLengthPrefixed16()
{
    Skip(U16());
}

void PictReader::SkipLengthPrefixed32()
{
    Skip(U32());
}

void PictReader::SkipText(std::size_t before)
{
    Skip(before);
    Skip(U8());
}

void PictReader::DrawBitmapOpcode(unsigned opcode)
{
    const bool direct = opcode >= 0x9A;
    const bool withRegion = (opcode & 1u) != 0;
    if (direct) {
        Skip(4); // base address, always 0xFF
    }
    PixMap map = ReadPixMap(direct);
    map.packed = opcode >= 0x98;
    const std::vector<std::uint32_t> palette = direct ? std::vector<std::uint32_t> {}
        : map.isPixMap                                 ? ReadColorTable()
                                                       : BlackAndWhite();
    const Rect source = ReadRect();
    const Rect destination = ReadRect();
    Skip(2); // transfer mode: every bitmap is copied as it is
    if (IsEmpty(source) || IsEmpty(destination)) {
        throw Damaged {};
    }
    Rect visible = Intersect(destination, m_frame);
    if (withRegion) {
        visible = Intersect(visible, ReadRegionBounds());
    }
    const std::size_t rowsStart = m_position;
    try {
        DrawRows(map, palette, source, destination, visible);
    } catch (const Damaged&) {
        // Some writers size the rows' counts by the packed bytes rather than
        // by the row bytes (ImageMagick does for 32-bit rows 63 to 83 pixels
        // wide); the same rows read with the other count size may fit.
        if (!HasPackedRows(map)) {
            throw;
        }
        m_position = rowsStart;
        map.wordCounts = !map.wordCounts;
        DrawRows(map, palette, source, destination, visible);
    }
}

PictReader::PixMap PictReader::ReadPixMap(bool direct)
{
    PixMap map;
    const std::uint16_t rowBytes = U16();
    map.isPixMap = (rowBytes & 0x8000u) != 0;
    map.rowBytes = rowBytes & 0x3FFF;
    map.bounds = ReadRect();
    if (map.isPixMap) {
        Skip(2); // version
        map.packType = U16();
        Skip(4 + 4 + 4 + 2); // pack size, resolutions, pixel type
        map.pixelSize = U16();
        map.componentCount = U16();
        Skip(2 + 4 + 4 + 4); // component size, plane bytes, table handle, reserved
    } else if (direct) {
        throw Damaged {};
    }
    map.wordCounts = map.rowBytes > 250;
    const int width = map.bounds.Width();
    const bool depthOk = direct ? (map.pixelSize == 16 || map.pixelSize == 32)
                                : (map.pixelSize == 1 || map.pixelSize == 2 || map.pixelSize == 4 || map.pixelSize == 8);
    if (!depthOk || IsEmpty(map.bounds) || width > kMaxDimension || map.bounds.Height() > kMaxDimension
        || map.rowBytes < (width * map.pixelSize + 7) / 8) {
        throw Damaged {};
    }
    if (!direct) {
        return map;
    }
    if (map.rowBytes < 8) {
        map.packType = 1; // rows this short are never packed
    } else if (map.packType == 0) {
        map.packType = map.pixelSize == 16 ? 3 : 4;
    }
    const bool packOk = map.packType == 1 || (map.pixelSize == 16 && map.packType == 3)
        || (map.pixelSize == 32 && map.packType == 2)
        || (map.pixelSize == 32 && map.packType == 4 && (map.componentCount == 3 || map.componentCount == 4));
    if (!packOk) {
        throw Damaged {};
    }
    return map;
}

std::vector<std::uint32_t> PictReader::ReadColorTable()
{
    Skip(4); // seed
    const bool devicePalette = (U16() & 0x8000u) != 0;
    const std::size_t count = std::size_t { U16() } + 1;
    if (count > 256) {
        throw Damaged {};
    }
    // Indices the table leaves out draw black.
    std::vector<std::uint32_t> palette(256, Opaque(0, 0, 0));
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t value = U16();
        const unsigned red = U16() >> 8;
        const unsigned green = U16() >> 8;
        const unsigned blue = U16() >> 8;
        const std::size_t index = devicePalette ? i : value;
        if (index < palette.size()) {
            palette[index] = Opaque(red, green, blue);
        }
    }
    return palette;
}

Rect PictReader::ReadRegionBounds()
{
    const std::uint16_t size = U16();
    if (size < 10) {
        throw Damaged {};
    }
    const Rect bounds = ReadRect();
    Skip(size - 10u); // the region's scan lines: drawn as its bounding box
    return bounds;
}

std::size_t PictReader::RowLength(const PixMap& map)
{
    const auto width = static_cast<std::size_t>(map.bounds.Width());
    if (map.pixelSize == 32 && map.packType == 2) {
        return 3 * width;
    }
    if (map.pixelSize == 32 && map.packType == 4) {
        return static_cast<std::size_t>(map.componentCount) * width;
    }
    return static_cast<std::size_t>(map.rowBytes);
}

bool PictReader::HasPackedRows(const PixMap& map)
{
    const bool direct = map.pixelSize >= 16;
    return direct ? (map.packType == 3 || map.packType == 4) : (map.packed && map.rowBytes >= 8);
}

void PictReader::ReadRow(const PixMap& map, std::span<std::uint8_t> row)
{
    if (!HasPackedRows(map)) {
        const std::string_view bytes = Take(row.size());
        std::copy(bytes.begin(), bytes.end(), row.begin());
        return;
    }
    const std::size_t packedLength = map.wordCounts ? U16() : U8();
    if (!UnpackBits(Take(packedLength), row, map.packType == 3 ? 2 : 1)) {
        throw Damaged {};
    }
}

void PictReader::DrawRows(const PixMap& map, const std::vector<std::uint32_t>& palette, Rect source,
                          Rect destination, Rect visible)
{
    if (!IsEmpty(visible) && !m_canvas) {
        m_canvas = New<Picture>(m_frame.Width(), m_frame.Height());
    }
    // Destination rows map to source rows by scaling; both only grow, so
    // one pass over the source rows fills every visible destination row.
    const auto sourceRowOf = [&](int y) {
        return source.top
            + static_cast<int>(std::int64_t { y - destination.top } * source.Height() / destination.Height());
    };
    const auto sourceColumnOf = [&](int x) {
        return source.left
            + static_cast<int>(std::int64_t { x - destination.left } * source.Width() / destination.Width());
    };
    std::vector<std::uint8_t> row(RowLength(map));
    int y = visible.top;
    for (int sourceY = map.bounds.top; sourceY < map.bounds.bottom; ++sourceY) {
        ReadRow(map, row);
        if (IsEmpty(visible)) {
            continue;
        }
        while (y < visible.bottom && sourceRowOf(y) < sourceY) {
            ++y;
        }
        for (; y < visible.bottom && sourceRowOf(y) == sourceY; ++y) {
            m_pixelsDrawn += visible.Width();
            if (m_pixelsDrawn > kMaxPixelsDrawn) {
                throw Damaged {};
            }
            for (int x = visible.left; x < visible.right; ++x) {
                const int sourceX = sourceColumnOf(x);
                if (sourceX >= map.bounds.left && sourceX < map.bounds.right) {
                    m_canvas->SetPixel(x - m_frame.left, y - m_frame.top,
                                       PixelAt(map, palette, row, sourceX - map.bounds.left));
                }
            }
        }
    }
}

std::uint32_t PictReader::PixelAt(const PixMap& map, const std::vector<std::uint32_t>& palette,
                                  std::span<const std::uint8_t> row, int x)
{
    const auto column = static_cast<std::size_t>(x);
    const auto width = static_cast<std::size_t>(map.bounds.Width());
    switch (map.pixelSize) {
    case 16:
        return FromRgb555((unsigned { row[2 * column] } << 8) | row[2 * column + 1]);
    case 32:
        if (map.packType == 1) {
            return Opaque(row[4 * column + 1], row[4 * column + 2], row[4 * column + 3]);
        }
        if (map.packType == 2) {
            return Opaque(row[3 * column], row[3 * column + 1], row[3 * column + 2]);
        } else {
            // Planes, alpha first when there are four; QuickDraw drew
            // every pixel opaque, and so do we.
            const std::size_t red = map.componentCount == 4 ? width : 0;
            return Opaque(row[red + column], row[red + width + column], row[red + 2 * width + column]);
        }
    default: {
        const auto depth = static_cast<std::size_t>(map.pixelSize);
        const std::size_t bit = column * depth;
        const unsigned shift = static_cast<unsigned>(8 - depth - bit % 8);
        const unsigned index = (unsigned { row[bit / 8] } >> shift) & ((1u << depth) - 1u);
        return palette[index];
    }
    }
}

std::uint8_t PictReader::U8()
{
    return static_cast<std::uint8_t>(Take(1)[0]);
}

std::uint16_t PictReader::U16()
{
    const std::string_view b = Take(2);
    return static_cast<std::uint16_t>((unsigned { static_cast<std::uint8_t>(b[0]) } << 8)
                                      | static_cast<std::uint8_t>(b[1]));
}

std::uint32_t PictReader::U32()
{
    const std::uint32_t high = U16();
    return (high << 16) | U16();
}

PictReader::Rect PictReader::ReadRect()
{
    Rect r;
    for (int* side : { &r.top, &r.left, &r.bottom, &r.right }) {
        *side = static_cast<std::int16_t>(U16());
    }
    return r;
}

std::string_view PictReader::Take(std::size_t count)
{
    if (count > m_bytes.size() - m_position) {
        throw Damaged {};
    }
    const std::string_view taken = m_bytes.substr(m_position, count);
    m_position += count;
    return taken;
}

void PictReader::AlignToWord()
{
    if (m_position % 2 != 0) {
        Skip(1);
    }
}

} // namespace fw
