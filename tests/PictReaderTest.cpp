// The PICT reader on pictures built byte by byte: every bitmap opcode, depth
// and pack type, with and without the file header; then skipped opcodes,
// scaling, and damaged input, which must give nil and never crash.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/PackBits.h"
#include "framework/core/PictReader.h"
#include "tests/support/HeapCanary.h"
#include "tests/support/PictBuilder.h"

namespace {

using fw::PictReader;
using karvelio::testing::BitmapOpcode;
using karvelio::testing::HeapCanary;
using karvelio::testing::PictBuilder;
using karvelio::testing::PictRect;

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;

std::uint32_t Expand555(std::uint32_t v)
{
    const auto five = [&](int shift) { return ((v >> shift) & 31u) << 3 | ((v >> shift) & 31u) >> 2; };
    return kBlack | five(10) << 16 | five(5) << 8 | five(0);
}

std::vector<std::uint32_t> Palette(int depth)
{
    std::vector<std::uint32_t> colours;
    for (std::uint32_t i = 0; i < (1u << depth); ++i) {
        colours.push_back(((i * 53) & 0xFFu) << 16 | ((i * 101 + 7) & 0xFFu) << 8 | ((i * 197 + 3) & 0xFFu));
    }
    return colours;
}

// A w by h bitmap drawn 1 pixel inside a frame that does not start at 0,0;
// the right part of each row is one colour, so packed rows hold real runs.
BitmapOpcode Sample(unsigned opcode, int depth, int w, int h)
{
    BitmapOpcode s;
    s.opcode = opcode;
    s.depth = depth;
    s.bounds = { 0, 0, h, w };
    s.source = s.bounds;
    s.destination = { 11, 21, 11 + h, 21 + w };
    if (depth <= 8) {
        s.palette = Palette(depth);
    }
    s.pixel = [depth, w](int x, int y) -> std::uint32_t {
        const bool run = x > w / 2;
        const auto ux = static_cast<std::uint32_t>(x);
        const auto uy = static_cast<std::uint32_t>(y);
        switch (depth) {
        case 16:
            return run ? 0x2D4Bu : ((ux * 7 + uy * 3) & 31u) << 10 | (ux & 31u) << 5 | (uy * 5 & 31u);
        case 32:
            return run ? 0x3366CCu : (ux * 37 & 0xFFu) << 16 | (uy * 59 & 0xFFu) << 8 | ((ux + uy) * 11 & 0xFFu);
        default:
            return run ? 1u : (ux * 3 + uy * 5) % (1u << depth);
        }
    };
    return s;
}

PictRect FrameAround(const BitmapOpcode& s)
{
    return { 10, 20, s.destination.bottom + 1, s.destination.right + 1 };
}

std::uint32_t ColourOf(const BitmapOpcode& s, std::uint32_t value)
{
    if (s.depth == 16) {
        return Expand555(value);
    }
    if (s.depth == 32) {
        return kBlack | value;
    }
    if (!s.pixMap) {
        return value ? kBlack : kWhite;
    }
    return kBlack | s.palette[value];
}

// What an unscaled bitmap leaves at picture position (px, py).
std::uint32_t Expected(const BitmapOpcode& s, PictRect frame, int px, int py)
{
    const int x = px + frame.left;
    const int y = py + frame.top;
    PictRect visible = s.destination;
    if (s.region) {
        visible.right = std::min(visible.right, s.region->right);
    }
    if (x < visible.left || x >= visible.right || y < visible.top || y >= visible.bottom) {
        return kWhite;
    }
    return ColourOf(s, s.pixel(x - s.destination.left, y - s.destination.top));
}

void ExpectPixels(const fw::Ref<fw::Picture>& picture, const BitmapOpcode& s, PictRect frame)
{
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(picture->Width(), frame.right - frame.left);
    ASSERT_EQ(picture->Height(), frame.bottom - frame.top);
    int wrong = 0;
    for (int y = 0; y < picture->Height(); ++y) {
        for (int x = 0; x < picture->Width(); ++x) {
            if (picture->Pixel(x, y) != Expected(s, frame, x, y) && wrong++ < 5) {
                ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << picture->Pixel(x, y)
                              << " instead of " << Expected(s, frame, x, y);
            }
        }
    }
}

struct Family {
    const char* name;
    int version;
    BitmapOpcode bitmap;
};

void PrintTo(const Family& family, std::ostream* out)
{
    *out << family.name;
}

BitmapOpcode With(BitmapOpcode s, auto change)
{
    change(s);
    return s;
}

std::vector<Family> Families()
{
    const auto bitMap = [](BitmapOpcode s) { s.pixMap = false; s.palette.clear(); return s; };
    const auto region = [](BitmapOpcode s) { s.region = PictRect { 0, 0, 999, s.destination.left + 5 }; return s; };
    return {
        { "v1_BitsRect_BitMap", 1, bitMap(Sample(0x90, 1, 13, 3)) },
        { "v1_PackBitsRect_BitMap", 1, bitMap(Sample(0x98, 1, 70, 3)) },
        { "v1_PackBitsRect_ShortRowsStayUnpacked", 1, bitMap(Sample(0x98, 1, 20, 2)) },
        { "v1_PackBitsRgn_BitMap", 1, region(bitMap(Sample(0x99, 1, 70, 3))) },
        { "v2_BitsRect_1bit", 2, Sample(0x90, 1, 21, 3) },
        { "v2_BitsRect_2bit", 2, Sample(0x90, 2, 21, 3) },
        { "v2_BitsRect_4bit", 2, Sample(0x90, 4, 21, 3) },
        { "v2_BitsRect_8bit", 2, Sample(0x90, 8, 21, 3) },
        { "v2_BitsRgn_8bit", 2, region(Sample(0x91, 8, 21, 3)) },
        { "v2_PackBitsRect_1bit", 2, Sample(0x98, 1, 100, 3) },
        { "v2_PackBitsRect_2bit", 2, Sample(0x98, 2, 100, 3) },
        { "v2_PackBitsRect_4bit", 2, Sample(0x98, 4, 100, 3) },
        { "v2_PackBitsRect_8bit", 2, Sample(0x98, 8, 100, 3) },
        { "v2_PackBitsRect_8bit_WordCounts", 2, Sample(0x98, 8, 300, 2) },
        { "v2_PackBitsRect_8bit_ShortRows", 2, Sample(0x98, 8, 5, 2) },
        { "v2_PackBitsRect_DevicePalette", 2, With(Sample(0x98, 4, 40, 2), [](auto& s) { s.devicePalette = true; }) },
        { "v2_PackBitsRgn_4bit", 2, region(Sample(0x99, 4, 100, 3)) },
        { "v2_Direct16_Pack0", 2, Sample(0x9A, 16, 40, 3) },
        { "v2_Direct16_Pack3", 2, With(Sample(0x9A, 16, 40, 3), [](auto& s) { s.packType = 3; }) },
        { "v2_Direct16_Pack1", 2, With(Sample(0x9A, 16, 40, 3), [](auto& s) { s.packType = 1; }) },
        { "v2_Direct16_ShortRows", 2, Sample(0x9A, 16, 3, 2) },
        { "v2_Direct32_Pack0", 2, Sample(0x9A, 32, 40, 3) },
        { "v2_Direct32_Pack4_WordCounts", 2, With(Sample(0x9A, 32, 70, 3), [](auto& s) { s.packType = 4; }) },
        { "v2_Direct32_Pack4_FourPlanes", 2,
          With(Sample(0x9A, 32, 64, 3), [](auto& s) { s.packType = 4; s.componentCount = 4; }) },
        { "v2_Direct32_Pack4_ByteCountsForWideRows", 2,
          With(Sample(0x9A, 32, 64, 3), [](auto& s) { s.wordCounts = false; }) },
        { "v2_PackBitsRect_8bit_WordCountsForNarrowRows", 2,
          With(Sample(0x98, 8, 210, 2), [](auto& s) { s.wordCounts = true; }) },
        { "v2_Direct32_Pack1", 2, With(Sample(0x9A, 32, 40, 3), [](auto& s) { s.packType = 1; }) },
        { "v2_Direct32_Pack2", 2, With(Sample(0x9A, 32, 40, 3), [](auto& s) { s.packType = 2; }) },
        { "v2_Direct32_ShortRows", 2, Sample(0x9A, 32, 1, 2) },
        { "v2_DirectBitsRgn_32bit", 2, region(Sample(0x9B, 32, 40, 3)) },
    };
}

class PictFamilies : public ::testing::TestWithParam<std::tuple<Family, bool>> {
};

TEST_P(PictFamilies, DrawsEveryPixelAtItsDestination)
{
    const auto& [family, fileHeader] = GetParam();
    const PictRect frame = FrameAround(family.bitmap);
    const std::string bytes = PictBuilder(family.version, frame).Bitmap(family.bitmap).Bytes(fileHeader);
    ExpectPixels(PictReader::Read(bytes), family.bitmap, frame);
}

INSTANTIATE_TEST_SUITE_P(Pict, PictFamilies, ::testing::Combine(::testing::ValuesIn(Families()), ::testing::Bool()),
                         [](const auto& test) {
                             return std::string(std::get<0>(test.param).name)
                                 + (std::get<1>(test.param) ? "_FileHeader" : "_Bare");
                         });

// Opcodes the reader must step over, each with data of its own length,
// placed before a bitmap that must still come out whole.
TEST(PictReader, SkipsEveryOpcodeItCanSize)
{
    struct Skipped {
        const char* name;
        unsigned opcode;
        std::string data;
    };
    const auto bytes = [](std::initializer_list<int> list) {
        std::string s;
        for (const int b : list) {
            s.push_back(static_cast<char>(b));
        }
        return s;
    };
    const std::vector<Skipped> skipped = {
        { "HeaderOp", 0x0C00, std::string(24, '\1') },
        { "ClipRegion", 0x0001, bytes({ 0, 12, 0, 0, 0, 0, 0, 9, 0, 9, 7, 7 }) },
        { "TxFace_odd_length", 0x0004, bytes({ 1 }) },
        { "RGBFgCol", 0x001A, std::string(6, '\2') },
        { "DefHilite", 0x001E, "" },
        { "LongText", 0x0028, bytes({ 0, 1, 0, 1, 3, 'a', 'b', 'c' }) },
        { "DHText", 0x0029, bytes({ 4, 2, 'h', 'i' }) },
        { "DHDVText", 0x002B, bytes({ 4, 4, 1, 'x' }) },
        { "FontName", 0x002C, bytes({ 0, 3, 1, 2, 3 }) },
        { "FrameRect", 0x0030, std::string(8, '\3') },
        { "FrameSameRect", 0x0038, "" },
        { "FrameArc", 0x0060, std::string(12, '\4') },
        { "FrameSameArc", 0x0068, std::string(4, '\4') },
        { "FramePoly", 0x0070, bytes({ 0, 12, 0, 0, 0, 0, 0, 1, 0, 1, 9, 9 }) },
        { "PaintRgn", 0x0081, bytes({ 0, 10, 0, 0, 0, 0, 0, 1, 0, 1 }) },
        { "Reserved92", 0x0092, bytes({ 0, 1, 9 }) },
        { "ShortComment", 0x00A0, bytes({ 0, 5 }) },
        { "LongComment", 0x00A1, bytes({ 0, 100, 0, 3, 'x', 'y', 'z' }) },
        { "ReservedB0", 0x00B0, "" },
        { "ReservedD0", 0x00D0, bytes({ 0, 0, 0, 2, 8, 8 }) },
        { "Reserved0100", 0x0100, bytes({ 5, 5 }) },
        { "Reserved7F00", 0x7F00, std::string(254, '\5') },
        { "Reserved8000", 0x8000, "" },
        { "Reserved8100", 0x8100, bytes({ 0, 0, 0, 3, 1, 2, 3 }) },
    };
    const BitmapOpcode bitmap = Sample(0x98, 8, 30, 2);
    const PictRect frame = FrameAround(bitmap);
    for (const Skipped& s : skipped) {
        SCOPED_TRACE(s.name);
        PictBuilder pict(2, frame);
        pict.Op(s.opcode).Raw(s.data).Bitmap(bitmap);
        ExpectPixels(PictReader::Read(pict.Bytes()), bitmap, frame);
    }
}

TEST(PictReader, Version1OpcodesAreBytesWithNoAlignment)
{
    BitmapOpcode bitmap = Sample(0x90, 1, 13, 3);
    bitmap.pixMap = false;
    const PictRect frame = FrameAround(bitmap);
    PictBuilder pict(1, frame);
    pict.Op(0x04).Byte(1).Op(0xA1).Word(7).Word(1).Byte(0).Op(0x01).Word(10).Rect(frame).Bitmap(bitmap);
    ExpectPixels(PictReader::Read(pict.Bytes()), bitmap, frame);
}

TEST(PictReader, ScalesTheSourceRectangleOntoTheDestination)
{
    BitmapOpcode bitmap = Sample(0x90, 8, 4, 4);
    bitmap.pixel = [](int x, int y) { return static_cast<std::uint32_t>(y * 4 + x); };
    bitmap.source = { 1, 1, 3, 3 }; // the middle 2 by 2
    bitmap.destination = { 0, 0, 4, 4 };
    const auto picture = PictReader::Read(PictBuilder(2, { 0, 0, 4, 4 }).Bitmap(bitmap).Bytes());
    ASSERT_NE(picture, nullptr);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const std::uint32_t index = static_cast<std::uint32_t>((1 + y / 2) * 4 + 1 + x / 2);
            EXPECT_EQ(picture->Pixel(x, y), kBlack | bitmap.palette[index]) << x << "," << y;
        }
    }
}

TEST(PictReader, IndicesMissingFromTheColourTableDrawBlack)
{
    BitmapOpcode bitmap = Sample(0x98, 8, 10, 1);
    bitmap.palette = { 0x112233, 0x445566 };
    bitmap.pixel = [](int x, int) { return x == 0 ? 1u : 200u; };
    const auto picture = PictReader::Read(PictBuilder(2, FrameAround(bitmap)).Bitmap(bitmap).Bytes());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Pixel(1, 1), 0xFF445566u);
    EXPECT_EQ(picture->Pixel(2, 1), kBlack);
}

// A table's own numbering may run past the 256 indices a pixel can hold;
// such entries name no pixel, and storing them would write far past the
// palette, where only the canary sees it.
TEST(PictReader, ColourTableEntriesNumberedPast255AreIgnored)
{
    BitmapOpcode bitmap = Sample(0x90, 8, 4, 1);
    bitmap.destination = bitmap.bounds;
    bitmap.palette = { 0x112233, 0x445566, 0xABCDEF, 0xABCDEF, 0xABCDEF };
    bitmap.entryValues = { 0, 1, 0x0100, 0x1234, 0xFFFF };
    const std::vector<std::uint32_t> indices = { 0, 1, 0x34, 0xFF };
    bitmap.pixel = [&indices](int x, int) { return indices[static_cast<std::size_t>(x)]; };
    const std::string bytes = PictBuilder(2, { 0, 0, 1, 4 }).Bitmap(bitmap).Bytes();

    const HeapCanary canary;
    std::vector<std::uint32_t> row;
    {
        const auto picture = PictReader::Read(bytes);
        ASSERT_NE(picture, nullptr);
        for (int x = 0; x < 4; ++x) {
            row.push_back(picture->Pixel(x, 0));
        }
    }
    EXPECT_EQ(row, (std::vector<std::uint32_t> { 0xFF112233u, 0xFF445566u, kBlack, kBlack }));
    EXPECT_EQ(canary.Overruns(), 0);
}

// Past the bitmap's bounds the source has no pixels: that part of the
// destination is left as it was. The rows carry padding, so copying from
// beyond the right edge would show the padding's colour.
TEST(PictReader, ASourceReachingPastTheBoundsDrawsOnlyWhatLiesWithin)
{
    struct Case {
        const char* name;
        PictRect source;
        int firstDrawn;
    };
    for (const Case& c : { Case { "PastTheRight", { 0, 0, 1, 8 }, 0 }, Case { "PastTheLeft", { 0, -4, 1, 4 }, 4 } }) {
        SCOPED_TRACE(c.name);
        BitmapOpcode bitmap = Sample(0x90, 8, 4, 1);
        bitmap.rowBytes = 8;
        bitmap.source = c.source;
        bitmap.destination = { 0, 0, 1, 8 };
        const auto picture = PictReader::Read(PictBuilder(2, { 0, 0, 1, 8 }).Bitmap(bitmap).Bytes());
        ASSERT_NE(picture, nullptr);
        for (int x = 0; x < 8; ++x) {
            const int sourceX = x - c.firstDrawn;
            const bool within = sourceX >= 0 && sourceX < 4;
            EXPECT_EQ(picture->Pixel(x, 0), within ? ColourOf(bitmap, bitmap.pixel(sourceX, 0)) : kWhite) << x;
        }
    }
}

// Bit 14 of a pixel map's row bytes is a flag beside the pixel-map bit, not
// part of the count.
TEST(PictReader, TheFlagBitsOfRowBytesAreNotPartOfTheCount)
{
    for (const BitmapOpcode& bitmap : { Sample(0x90, 8, 21, 3), Sample(0x98, 8, 100, 3) }) {
        SCOPED_TRACE(bitmap.opcode);
        const PictRect frame = FrameAround(bitmap);
        std::string bytes = PictBuilder(2, frame).Bitmap(bitmap).Bytes();
        const std::size_t rowBytesAt = PictBuilder(2, frame).Unterminated().size() + 2; // after the opcode
        ASSERT_EQ(bytes[rowBytesAt] & 0xC0, 0x80);
        bytes[rowBytesAt] = static_cast<char>(bytes[rowBytesAt] | 0x40);
        ExpectPixels(PictReader::Read(bytes), bitmap, frame);
    }
}

TEST(PictReader, AnOpcodeOfUnknownSizeEndsThePictureWithWhatWasDrawn)
{
    const BitmapOpcode bitmap = Sample(0x98, 8, 30, 2);
    const PictRect frame = FrameAround(bitmap);
    PictBuilder after(2, frame);
    after.Bitmap(bitmap).Op(0x0012).Word(1).Raw(std::string(40, '\7'));
    ExpectPixels(PictReader::Read(after.Unterminated()), bitmap, frame);

    PictBuilder before(2, frame);
    before.Op(0x0012).Word(1).Raw(std::string(40, '\7')).Bitmap(bitmap);
    EXPECT_EQ(PictReader::Read(before.Bytes()), nullptr);
}

TEST(PictReader, PicturesWithNothingItCanDrawAreNil)
{
    const BitmapOpcode bitmap = Sample(0x98, 8, 30, 2);
    EXPECT_EQ(PictReader::Read(PictBuilder(2, { 0, 0, 10, 10 }).Op(0x0030).Rect({ 1, 1, 5, 5 }).Bytes()), nullptr);
    BitmapOpcode outside = bitmap;
    outside.destination = { 500, 500, 502, 530 };
    EXPECT_EQ(PictReader::Read(PictBuilder(2, FrameAround(bitmap)).Bitmap(outside).Bytes()), nullptr);
    EXPECT_EQ(PictReader::Read(""), nullptr);
    EXPECT_EQ(PictReader::Read(std::string(2000, '\0')), nullptr);
    EXPECT_EQ(PictReader::Read("\x89PNG\r\n\x1A\n but not really a picture at all"), nullptr);
}

// A picture that uses most of the reader, cut at every byte: the end opcode
// is gone in every cut, so each must give nil.
TEST(PictReader, EveryTruncationGivesNil)
{
    for (const int version : { 1, 2 }) {
        BitmapOpcode indexed = Sample(0x98, version == 1 ? 1 : 8, 70, 3);
        if (version == 1) {
            indexed.pixMap = false;
        }
        const PictRect frame = FrameAround(indexed);
        PictBuilder pict(version, frame);
        pict.Op(0x00A1).Word(1).Word(3).Raw("abc").Op(0x0001).Word(10).Rect(frame).Bitmap(indexed);
        if (version == 2) {
            pict.Bitmap(With(Sample(0x9B, 32, 12, 2), [](auto& s) { s.region = PictRect { 0, 0, 999, 999 }; }))
                .Bitmap(Sample(0x9A, 16, 40, 2));
        }
        for (const bool fileHeader : { false, true }) {
            const std::string whole = pict.Bytes(fileHeader);
            ASSERT_NE(PictReader::Read(whole), nullptr);
            for (std::size_t cut = 0; cut < whole.size(); ++cut) {
                ASSERT_EQ(PictReader::Read(whole.substr(0, cut)), nullptr) << "version " << version << " cut at " << cut;
            }
        }
    }
}

TEST(PictReader, LengthsCountsAndRectanglesOutOfRangeGiveNil)
{
    struct Broken {
        const char* name;
        std::string bytes;
    };
    const BitmapOpcode good = Sample(0x98, 8, 30, 2);
    const PictRect frame = FrameAround(good);
    const auto picture = [&](const BitmapOpcode& bitmap, PictRect f) { return PictBuilder(2, f).Bitmap(bitmap).Bytes(); };
    const auto changed = [&](auto change) {
        BitmapOpcode bitmap = good;
        change(bitmap);
        return picture(bitmap, frame);
    };
    const auto prefixed = [&](unsigned opcode, std::string data) {
        return PictBuilder(2, frame).Op(opcode).Raw(data).Bitmap(good).Bytes();
    };
    const std::vector<Broken> broken = {
        { "EmptyFrame", picture(good, { 10, 20, 10, 60 }) },
        { "InvertedFrame", picture(good, { 10, 60, 30, 20 }) },
        { "FrameWiderThanTheLimit", picture(good, { 0, 0, 2, PictReader::kMaxDimension + 1 }) },
        { "EmptyBounds", changed([](auto& s) { s.bounds = { 0, 0, 0, 30 }; }) },
        { "RowBytesTooSmallForTheWidth", changed([](auto& s) { s.rowBytes = 20; }) },
        { "PixelSizeThree", changed([](auto& s) { s.depth = 3; s.palette = Palette(3); }) },
        { "ColourTableOf300", changed([](auto& s) { s.palette.resize(300); }) },
        { "EmptySource", changed([](auto& s) { s.source = { 0, 0, 2, 0 }; }) },
        { "Direct16WithPackType2", changed([](auto& s) { s = Sample(0x9A, 16, 40, 2); s.packType = 2; }) },
        { "Direct32WithPackType3", changed([](auto& s) { s = Sample(0x9A, 32, 40, 2); s.packType = 3; }) },
        { "Direct32WithFiveComponents", changed([](auto& s) { s = Sample(0x9A, 32, 40, 2); s.componentCount = 5; }) },
        { "DirectBitsWithABitMap", changed([](auto& s) { s = Sample(0x9A, 32, 40, 2); s.pixMap = false; }) },
        { "ClipRegionSmallerThanItsSize", prefixed(0x0001, std::string("\0\1", 2)) },
        { "LongCommentLongerThanTheFile", prefixed(0x00A1, std::string("\0\1\xFF\xFF", 4)) },
        { "ReservedLengthOf4GiB", prefixed(0x8100, std::string("\xFF\xFF\xFF\xFF", 4)) },
        { "NoEndOpcode", PictBuilder(2, frame).Bitmap(good).Unterminated() },
    };
    for (const Broken& b : broken) {
        EXPECT_EQ(PictReader::Read(b.bytes), nullptr) << b.name;
    }
}

TEST(PictReader, PackedRowsThatOverrunOrFallShortGiveNil)
{
    for (const std::string& row : { std::string("\x02\xF0\x01", 3), std::string("\x02\x00\x07", 3),
                                    std::string("\x01\x88", 2) }) {
        PictBuilder pict(2, { 0, 0, 1, 16 });
        pict.Op(0x98).Word(0x8000 | 16).Rect({ 0, 0, 1, 16 }).Word(0).Word(0).Long(0).Long(0).Long(0);
        pict.Word(0).Word(8).Word(1).Word(8).Long(0).Long(0).Long(0);
        pict.Long(0).Word(0).Word(0).Word(0).Word(0).Word(0).Word(0);
        pict.Rect({ 0, 0, 1, 16 }).Rect({ 0, 0, 1, 16 }).Word(0).Raw(row);
        EXPECT_EQ(PictReader::Read(pict.Bytes()), nullptr);
    }
}

TEST(PictReader, DrawingMoreThanItsBudgetGivesNil)
{
    const int side = PictReader::kMaxDimension;
    BitmapOpcode tiny = Sample(0x90, 8, 1, 1);
    tiny.destination = { 0, 0, side, side };
    PictBuilder pict(2, { 0, 0, side, side });
    for (int i = 0; i < 5; ++i) {
        pict.Bitmap(tiny);
    }
    EXPECT_EQ(PictReader::Read(pict.Bytes()), nullptr);
}

TEST(PackBits, DecodesRunsAndLiteralsOfBytesAndWords)
{
    struct Row {
        std::string packed;
        std::size_t outSize;
        std::size_t unit;
        std::string expected; // empty: must fail
    };
    const std::vector<Row> rows = {
        { std::string("\x02" "abc", 4), 3, 1, "abc" },
        { std::string("\xFE" "z", 2), 3, 1, "zzz" },
        { std::string("\x80\x00" "q", 3), 1, 1, "q" },
        { std::string("\x81" "r", 2), 128, 1, std::string(128, 'r') },
        { std::string("\x01" "abcd" "\xFF" "xy", 8), 8, 2, "abcdxyxy" },
        { std::string("\x02" "ab", 3), 3, 1, "" },   // literal past the input
        { std::string("\xFE" "z", 2), 2, 1, "" },    // run past the output
        { std::string("\x00" "a", 2), 2, 1, "" },    // output not filled
        { std::string("\xFF", 1), 2, 1, "" },        // run with no value
        { std::string("\x00" "abc", 4), 2, 2, "" },  // literal of words missing a byte
    };
    for (const Row& row : rows) {
        std::vector<std::uint8_t> out(row.outSize);
        const bool ok = fw::UnpackBits(row.packed, out, row.unit);
        EXPECT_EQ(ok, !row.expected.empty()) << row.expected;
        if (ok) {
            EXPECT_EQ(std::string(out.begin(), out.end()), row.expected);
        }
    }
}

} // namespace
