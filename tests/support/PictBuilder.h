#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karvelio::testing {

struct PictRect {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};

// One bitmap opcode as a test wants it written.
struct BitmapOpcode {
    unsigned opcode = 0x98;   // 0x90 BitsRect ... 0x9B DirectBitsRgn
    int depth = 8;            // 1, 2, 4, 8 (indexed); 16, 32 (direct)
    bool pixMap = true;       // false: a plain 1-bit BitMap, as version 1 has it
    int packType = 0;         // direct only, as written in the pixel map
    int componentCount = 3;   // 32-bit only
    int rowBytes = 0;         // 0: the smallest that fits (even for pixel maps)
    bool devicePalette = false;
    std::optional<bool> wordCounts; // unset: 2-byte row counts when rows pass 250 bytes
    PictRect bounds;
    PictRect source;
    PictRect destination;
    std::optional<PictRect> region;
    std::vector<std::uint32_t> palette; // RGB by index, indexed pixel maps only
    // The values the colour table gives its first entries; the rest number
    // themselves. A device palette writes 0 for every entry.
    std::vector<unsigned> entryValues;
    // Index (indexed), 15-bit RGB (16-bit) or 0xRRGGBB (32-bit) at a position
    // counted from the bounds' top-left corner.
    std::function<std::uint32_t(int x, int y)> pixel;
};

// Builds PICT byte strings opcode by opcode, big-endian, keeping opcodes on
// even offsets in version 2 as readers expect.
class PictBuilder {
public:
    PictBuilder(int version, PictRect frame);

    PictBuilder& Op(unsigned opcode);
    PictBuilder& Byte(unsigned value);
    PictBuilder& Word(unsigned value);
    PictBuilder& Long(std::uint32_t value);
    PictBuilder& Rect(PictRect rect);
    PictBuilder& Raw(std::string_view bytes);
    PictBuilder& Bitmap(const BitmapOpcode& bitmap);

    // The picture with its end opcode, optionally after a 512-byte file header.
    std::string Bytes(bool fileHeader = false) const;
    // The same without the end opcode.
    std::string Unterminated(bool fileHeader = false) const;

private:
    void RowData(const BitmapOpcode& bitmap, int rowBytes);

    int m_version;
    std::string m_bytes;
};

} // namespace karvelio::testing
