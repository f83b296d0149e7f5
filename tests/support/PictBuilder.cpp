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

int DefaultRowBytes(const BitmapOpcode& bitmap)
{
    const int bytes = (Width(bitmap.bounds) * bitmap.depth + 7) / 8;
    return bitmap.pixMap ? (bytes + 1) / 2 * 2 : bytes;
}

int EffectivePackType(const BitmapOpcode& bitmap, int rowBytes)
{
    if (rowBytes < 8) {
        return 1;
    }
    if (bitmap.packType == 0) {
        return bitmap.depth == 16 ? 3 : 4;
    }
    return bitmap.packType;
}

std::vector<std::uint8_t> IndexedRow(const BitmapOpcode& bitmap, int y, int rowBytes)
{
    // Room for every pixel, then cut to the row bytes, which a broken picture
    // may set too small.
    std::vector<std::uint8_t> row(static_cast<std::size_t>(std::max(rowBytes, DefaultRowBytes(bitmap))), 0);
    // Bit by bit, most significant first, so that any depth packs, even
    // one a reader must refuse.
    for (int x = 0; x < Width(bitmap.bounds); ++x) {
        const std::uint32_t index = bitmap.pixel(x, y);
        for (int b = 0; b < bitmap.depth; ++b) {
            const int bit = x * bitmap.depth + b;
            if ((index >> (bitmap.depth - 1 - b)) & 1u) {
                row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(0x80u >> (bit % 8));
            }
        }
    }
    row.resize(static_cast<std::size_t>(rowBytes));
    return row;
}

std::vector<std::uint8_t> DirectRow(const BitmapOpcode& bitmap, int y, int rowBytes, int packType)
{
    const int width = Width(bitmap.bounds);
    std::vector<std::uint8_t> row;
    const auto channel = [&](int x, int shift) { return static_cast<std::uint8_t>(bitmap.pixel(x, y) >> shift); };
    if (bitmap.depth == 16) {
        for (int x = 0; x < width; ++x) {
            row.push_back(channel(x, 8));
            row.push_back(channel(x, 0));
        }
    } else if (packType == 4) {
        if (bitmap.componentCount == 4) {
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

PictBuilder& PictBuilder::Bitmap(const BitmapOpcode& bitmap)
{
    const bool direct = bitmap.depth >= 16;
    const int rowBytes = bitmap.rowBytes != 0 ? bitmap.rowBytes : DefaultRowBytes(bitmap);
    Op(bitmap.opcode);
    if (direct) {
        Long(0xFF);
    }
    Word(static_cast<unsigned>(rowBytes) | (bitmap.pixMap ? 0x8000u : 0u));
    Rect(bitmap.bounds);
    if (bitmap.pixMap) {
        Word(0).Word(static_cast<unsigned>(bitmap.packType)).Long(0).Long(0x00480000).Long(0x00480000);
        Word(direct ? 16 : 0).Word(static_cast<unsigned>(bitmap.depth));
        Word(static_cast<unsigned>(direct ? bitmap.componentCount : 1)).Word(static_cast<unsigned>(direct ? 8 : bitmap.depth));
        Long(0).Long(0).Long(0);
    }
    if (bitmap.pixMap && !direct) {
        Long(0).Word(bitmap.devicePalette ? 0x8000 : 0).Word(static_cast<unsigned>(bitmap.palette.size() - 1));
        for (std::size_t i = 0; i < bitmap.palette.size(); ++i) {
            const std::uint32_t rgb = bitmap.palette[i];
            const unsigned value = i < bitmap.entryValues.size() ? bitmap.entryValues[i] : static_cast<unsigned>(i);
            Word(bitmap.devicePalette ? 0 : value);
            for (const int shift : { 16, 8, 0 }) {
                Word(((rgb >> shift) & 0xFFu) * 0x101u);
            }
        }
    }
    Rect(bitmap.source).Rect(bitmap.destination).Word(0);
    if (bitmap.region) {
        Word(10).Rect(*bitmap.region);
    }
    RowData(bitmap, rowBytes);
    return *this;
}

void PictBuilder::RowData(const BitmapOpcode& bitmap, int rowBytes)
{
    const bool direct = bitmap.depth >= 16;
    const int packType = direct ? EffectivePackType(bitmap, rowBytes) : (bitmap.opcode >= 0x98 && rowBytes >= 8 ? 0 : 1);
    for (int y = 0; y < Height(bitmap.bounds); ++y) {
        const std::vector<std::uint8_t> row = direct ? DirectRow(bitmap, y, rowBytes, packType)
                                                     : IndexedRow(bitmap, y, rowBytes);
        if (packType == 1 || packType == 2) {
            Raw(std::string_view(reinterpret_cast<const char*>(row.data()), row.size()));
            continue;
        }
        const std::string packed = tools::PackBits(row, packType == 3 ? 2 : 1);
        if (bitmap.wordCounts.value_or(rowBytes > 250)) {
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
