// FolderItem::OpenAsPicture: PICT first, then the installed fallback
// decoder; nil, never an exception, for everything else.

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "Resources/tools/PictWriter.h"
#include "framework/core/FolderItem.h"
#include "framework/core/PictReader.h"
#include "framework/core/PictureDecoder.h"
#include "tests/support/TempDir.h"

namespace {

using karvelio::testing::TempDir;

fw::Ref<fw::Picture> Checkerboard(int width, int height)
{
    auto picture = fw::New<fw::Picture>(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture->SetPixel(x, y, (x + y) % 3 == 0 ? 0xFF000000u : 0xFF000000u | static_cast<std::uint32_t>(x * 4099 + y * 31));
        }
    }
    return picture;
}

class OpenAsPicture : public ::testing::Test {
protected:
    void TearDown() override { fw::SetFallbackPictureDecoder({}); }
    fw::FolderItem Item(const std::string& name) const { return fw::FolderItem(m_dir.Path() / name); }
    TempDir m_dir;
};

TEST_F(OpenAsPicture, ReadsAPictFileWithItsPixels)
{
    const auto original = Checkerboard(9, 4);
    m_dir.Write("a.pct", karvelio::tools::WritePict(*original));
    const auto picture = Item("a.pct").OpenAsPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Pixels(), original->Pixels());
    EXPECT_EQ(picture->Transparent(), 0);
}

TEST_F(OpenAsPicture, GivesNilForWhatIsNoReadablePicture)
{
    m_dir.Write("text.pct", "just some words, no picture");
    m_dir.Write("empty.pct", "");
    std::filesystem::create_directory(m_dir.Path() / "folder.pct");
    ::mkfifo((m_dir.Path() / "fifo.pct").c_str(), 0600);
    m_dir.Write("locked.pct", karvelio::tools::WritePict(*Checkerboard(2, 2)));
    std::filesystem::permissions(m_dir.Path() / "locked.pct", std::filesystem::perms::none);
    {
        // Sparse: larger than any picture may be, without using the disk.
        std::filesystem::resize_file(m_dir.Write("huge.pct", "x"), fw::FolderItem::kMaxPictureFileSize + 1);
    }
    for (const char* name : { "missing.pct", "text.pct", "empty.pct", "folder.pct", "fifo.pct", "huge.pct" }) {
        const fw::FolderItem item = Item(name);
        EXPECT_EQ(item.OpenAsPicture(), nullptr) << name;
        EXPECT_FALSE(item.LastError().empty()) << name;
    }
    if (::geteuid() != 0) { // root reads it anyway
        EXPECT_EQ(Item("locked.pct").OpenAsPicture(), nullptr);
    }
}

TEST_F(OpenAsPicture, HandsOtherFormatsToTheFallbackDecoder)
{
    std::string seen;
    fw::SetFallbackPictureDecoder([&](std::string_view bytes) -> fw::Ref<fw::Picture> {
        seen = bytes;
        return bytes == "OTHER" ? fw::New<fw::Picture>(3, 2) : nullptr;
    });
    m_dir.Write("other.png", "OTHER");
    m_dir.Write("unknown.png", "UNKNOWN");
    const auto picture = Item("other.png").OpenAsPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 3);
    EXPECT_EQ(Item("unknown.png").OpenAsPicture(), nullptr);
    EXPECT_EQ(seen, "UNKNOWN");

    // A PICT never reaches the fallback.
    seen.clear();
    m_dir.Write("a.pct", karvelio::tools::WritePict(*Checkerboard(2, 2)));
    EXPECT_NE(Item("a.pct").OpenAsPicture(), nullptr);
    EXPECT_EQ(seen, "");
}

TEST_F(OpenAsPicture, AFallbackDecoderThatThrowsGivesNil)
{
    fw::SetFallbackPictureDecoder([](std::string_view) -> fw::Ref<fw::Picture> { throw std::runtime_error("boom"); });
    m_dir.Write("x.png", "whatever");
    EXPECT_EQ(Item("x.png").OpenAsPicture(), nullptr);
}

// Our writer against our reader, at the widths where a row's byte count
// changes size (rows of 250 bytes and less count in one byte) and where rows
// are too short to pack.
TEST(PictWriter, EveryWidthRoundTripsThroughTheReader)
{
    for (const int width : { 1, 2, 3, 62, 63, 64, 83, 84, 170 }) {
        const auto original = Checkerboard(width, 5);
        const auto read = fw::PictReader::Read(karvelio::tools::WritePict(*original));
        ASSERT_NE(read, nullptr) << width;
        EXPECT_EQ(read->Pixels(), original->Pixels()) << width;
    }
}

TEST(PictWriter, FlattensAlphaOntoWhite)
{
    fw::Picture picture(2, 1);
    picture.SetPixel(0, 0, 0x00000000u);
    picture.SetPixel(1, 0, 0x80000000u);
    const auto read = fw::PictReader::Read(karvelio::tools::WritePict(picture));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(read->Pixel(1, 0), 0xFF7F7F7Fu);
}

} // namespace
