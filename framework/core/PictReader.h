#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "framework/core/Picture.h"
#include "framework/core/Ref.h"

namespace fw {

// QuickDraw PICT reader (version 1 and 2), standard library only. It draws the
// bitmap opcodes into the picture frame and skips everything else it can
// size; vector drawing, text and patterns are not rendered.
class PictReader {
public:
    // Limits that keep a small damaged file from asking for a large canvas
    // or for unbounded work.
    static constexpr int kMaxDimension = 4096;
    static constexpr std::int64_t kMaxPixels = std::int64_t { 4096 } * 4096;
    static constexpr std::int64_t kMaxPixelsDrawn = 4 * kMaxPixels;

    // The picture in `bytes` (with or without the 512-byte file header), or
    // nil for anything that is not a PICT this reader can draw: not a picture,
    // damaged, truncated, or holding no bitmap.
    static Ref<Picture> Read(std::string_view bytes);

    struct Rect {
        int top = 0;
        int left = 0;
        int bottom = 0;
        int right = 0;
        int Width() const { return right - left; }
        int Height() const { return bottom - top; }
    };

private:
    // The bitmap or pixel map header of a bitmap opcode, normalised: pack
    // type 0 is already resolved to the depth's default.
    struct PixMap {
        bool isPixMap = false;
        bool packed = false;
        int rowBytes = 0;
        Rect bounds;
        int packType = 0;
        int pixelSize = 1;
        int componentCount = 1;
        bool wordCounts = false; // packed rows start with a 2-byte count, not 1
    };

    PictReader(std::string_view bytes, int version);

    void ReadPicture();
    bool ReadOpcode();
    void SkipOpcodeData(unsigned opcode);
    void SkipLengthPrefixed16();
    void SkipLengthPrefixed32();
    void SkipText(std::size_t before);

    void DrawBitmapOpcode(unsigned opcode);
    PixMap ReadPixMap(bool direct);
    std::vector<std::uint32_t> ReadColorTable();
    Rect ReadRegionBounds();
    void ReadRow(const PixMap& map, std::span<std::uint8_t> row);
    void ReadPackedRow(const PixMap& map, std::span<std::uint8_t> row, std::size_t unit);
    void DrawRows(const PixMap& map, const std::vector<std::uint32_t>& palette, Rect source, Rect destination,
                  Rect visible);
    static std::size_t RowLength(const PixMap& map);
    static bool HasPackedRows(const PixMap& map);
    static std::uint32_t PixelAt(const PixMap& map, const std::vector<std::uint32_t>& palette,
                                 std::span<const std::uint8_t> row, int x);

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    Rect ReadRect();
    std::string_view Take(std::size_t count);
    void Skip(std::size_t count) { Take(count); }
    void AlignToWord();

    std::string_view m_bytes;
    std::size_t m_position = 0;
    int m_version;
    Rect m_frame;
    Ref<Picture> m_canvas;
    std::int64_t m_pixelsDrawn = 0;
};

} // namespace fw
