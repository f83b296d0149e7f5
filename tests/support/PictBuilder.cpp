#include "tests/support/PictBuilder.h"

#include "Resources/tools/PictWriter.h"

#include <algorithm>

namespace karvelio::testing {

namespace {

int Width(PictRect r)
{
    return r.right - r.left;
}

int Height(PictRect r)
{
    return r.bottom - r.top;
}

int DefaultRowBytes(const BitmapSpec& spec)
{
    const int bytes = (Width(spec.bounds) * spec.depth + 7) / 8;
    return spec.pixMap ? (bytes + 1) / 2 * 2 : bytes;
}

int EffectivePackType(const BitmapSpec& spec, int rowBytes)
{
    if (rowBytes < 8) {
        return 1;
    }
    if (spec.packType == 0) {
        return spec.depth == 16 ? 3 : 4;
    }
    return spec.packType;
}

std::vector<std::uint8_t> IndexedRow(const BitmapSpec& spec, int y, int rowBytes)
{
    // Room for every pixel, then cut to the row bytes, which a broken spec
    // may set too small.
    std::vector<std::uint8_t> row(static_cast<std::size_t>(std::max(rowBytes, DefaultRowBytes(spec))), 0);
    // Bit by bit, most significant first, so that any depth packs, even
    // one a reader must refuse.
    for (int x = 0; x < Width(spec.bounds); ++x) {
        const std::uint32_t index = spec.pixel(x, y);
        for (int b = 0; b < spec.depth; ++b) {
            const int bit = x * spec.depth + b;
            if ((index >> (spec.depth - 1 - b)) & 1u) {
                row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(0x80u >> (bit % 8));
            }
        }
    }
    row.resize(static_cast<std::size_t>(rowBytes));
    return row;
}

std::vector<std::uint8_t> DirectRow(const BitmapSpec& spec, int y, int rowBytes, int packType)
{
    const int width = Width(spec.bounds);
    std::vector<std::uint8_t> row;
    const auto channel = [&](int x, int shift) { return static_cast<std::uint8_t>(spec.pixel(x, y) >> shift); };
    if (spec.depth == 16) {
        for (int x = 0; x < width; ++x) {
            row.push_back(channel(x, 8));
            row.push_back(channel(x, 0));
        }
    } else if (packType == 4) {
        if (spec.componentCount == 4) {
            row.insert(row.end(), static_cast<std::size_t>(width), 0x00); // alpha: readers ignore it
        }
        for (const int shift : { 16, 8, 0 }) {
            for (int x = 0; x < width; ++x) {
                row.push_back(channel(x, shift));
            }
        }
        return row;
    } else {
        for (int x = 0; x < width; ++x) {
            if (packType != 2) {
                row.push_back(0);
            }
            for (const int shift : { 16, 8, 0 }) {
                row.push_back(channel(x, shift));
            }
        }
        if (packType == 2) {
            return row;
        }
    }
    row.resize(static_cast<std::size_t>(rowBytes), 0);
    return row;
}

} // namespace

PictBuilder::PictBuilder(int version, PictRect frame)
    : m_version(version)
{
    Word(0);
    Rect(frame);
    if (version == 1) {
        Byte(0x11).Byte(0x01);
    } else {
        Word(0x0011).Word(0x02FF);
    }
}

PictBuilder& PictBuilder::Op(unsigned opcode)
{
    if (m_version == 1) {
        return Byte(opcode);
    }
    if (m_bytes.size() % 2 != 0) {
        Byte(0);
    }
    return Word(opcode);
}

PictBuilder& PictBuilder::Byte(unsigned value)
{
    m_bytes.push_back(static_cast<char>(value & 0xFFu));
    return *this;
}

PictBuilder& PictBuilder::Word(unsigned value)
{
    return Byte(value >> 8).Byte(value);
}

PictBuilder& PictBuilder::Long(std::uint32_t value)
{
    return Word(value >> 16).Word(value & 0xFFFFu);
}

PictBuilder& PictBuilder::Rect(PictRect rect)
{
    for (const int side : { rect.top, rect.left, rect.bottom, rect.right }) {
        Word(static_cast<unsigned>(side) & 0xFFFFu);
    }
    return *this;
}

PictBuilder& PictBuilder::Raw(std::string_view bytes)
{
    m_bytes.append(bytes);
    return *this;
}

PictBuilder& PictBuilder::Bitmap(const BitmapSpec& spec)
{
    const bool direct = spec.depth >= 16;
    const int rowBytes = spec.rowBytes != 0 ? spec.rowBytes : DefaultRowBytes(spec);
    Op(spec.opcode);
    if (direct) {
        Long(0xFF);
    }
    Word(static_cast<unsigned>(rowBytes) | (spec.pixMap ? 0x8000u : 0u));
    Rect(spec.bounds);
    if (spec.pixMap) {
        Word(0).Word(static_cast<unsigned>(spec.packType)).Long(0).Long(0x00480000).Long(0x00480000);
        Word(direct ? 16 : 0).Word(static_cast<unsigned>(spec.depth));
        Word(static_cast<unsigned>(direct ? spec.componentCount : 1)).Word(static_cast<unsigned>(direct ? 8 : spec.depth));
        Long(0).Long(0).Long(0);
    }
    if (spec.pixMap && !direct) {
        Long(0).Word(spec.devicePalette ? 0x8000 : 0).Word(static_cast<unsigned>(spec.palette.size() - 1));
        for (std::size_t i = 0; i < spec.palette.size(); ++i) {
            const std::uint32_t rgb = spec.palette[i];
            Word(spec.devicePalette ? 0 : static_cast<unsigned>(i));
            for (const int shift : { 16, 8, 0 }) {
                Word(((rgb >> shift) & 0xFFu) * 0x101u);
            }
        }
    }
    Rect(spec.source).Rect(spec.destination).Word(0);
    if (spec.region) {
        Word(10).Rect(*spec.region);
    }
    RowData(spec, rowBytes);
    return *this;
}

void PictBuilder::RowData(const BitmapSpec& spec, int rowBytes)
{
    const bool direct = spec.depth >= 16;
    const int packType = direct ? EffectivePackType(spec, rowBytes) : (spec.opcode >= 0x98 && rowBytes >= 8 ? 0 : 1);
    for (int y = 0; y < Height(spec.bounds); ++y) {
        const std::vector<std::uint8_t> row = direct ? DirectRow(spec, y, rowBytes, packType)
                                                     : IndexedRow(spec, y, rowBytes);
        if (packType == 1 || packType == 2) {
            Raw(std::string_view(reinterpret_cast<const char*>(row.data()), row.size()));
            continue;
        }
        const std::string packed = tools::PackBits(row, packType == 3 ? 2 : 1);
        if (spec.wordCounts.value_or(rowBytes > 250)) {
            Word(static_cast<unsigned>(packed.size()));
        } else {
            Byte(static_cast<unsigned>(packed.size()));
        }
        Raw(packed);
    }
}

std::string PictBuilder::Unterminated(bool fileHeader) const
{
    return (fileHeader ? std::string(512, '\x5A') : std::string()) + m_bytes;
}

std::string PictBuilder::Bytes(bool fileHeader) const
{
    PictBuilder copy = *this;
    copy.Op(0x00FF);
    return copy.Unterminated(fileHeader);
}

} // namespace karvelio::testing
