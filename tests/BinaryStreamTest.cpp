// The stream's read semantics through its buffer: exact bytes at every
// position, short reads at the end, nothing past it.

#include <gtest/gtest.h>

#include <random>

#include "framework/core/BinaryStream.h"
#include "framework/core/FolderItem.h"
#include "tests/support/TempDir.h"

namespace fw {
namespace {

std::string Pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    std::mt19937 random(7);
    for (char& byte : bytes) {
        byte = static_cast<char>(random());
    }
    return bytes;
}

class BinaryStreamTest : public ::testing::Test {
protected:
    // Larger than the buffer, and not a multiple of it.
    const std::string m_bytes = Pattern(BinaryStream::kBufferSize * 2 + 12345);
    const karvelio::testing::TempDir m_dir;
    const FolderItem m_file { m_dir.Write("data.bin", m_bytes) };
};

TEST_F(BinaryStreamTest, ReadsAndViewsGiveTheFileBytesAtAnyPosition)
{
    const Ref<BinaryStream> stream = m_file.OpenAsBinaryFile(false);
    ASSERT_TRUE(stream);
    std::mt19937 random(11);
    const auto size = static_cast<std::int64_t>(m_bytes.size());
    for (int i = 0; i < 2000; ++i) {
        const std::int64_t position = std::uniform_int_distribution<std::int64_t>(0, size + 10)(random);
        const std::int64_t count = std::uniform_int_distribution<std::int64_t>(0, 70000)(random);
        const std::string expected = position < size ? m_bytes.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(count)) : "";
        stream->SetPosition(position);
        if (i % 2 == 0) {
            ASSERT_EQ(stream->Read(count), expected) << position << " " << count;
        } else {
            ASSERT_EQ(stream->ReadView(count), expected) << position << " " << count;
        }
        ASSERT_EQ(stream->Position(), position + static_cast<std::int64_t>(expected.size()));
    }
}

TEST_F(BinaryStreamTest, SequentialChunksCoverTheFileExactly)
{
    const Ref<BinaryStream> stream = m_file.OpenAsBinaryFile(false);
    std::string joined;
    while (!stream->Eof()) {
        joined += stream->ReadView(4096);
    }
    EXPECT_EQ(joined, m_bytes);
    EXPECT_EQ(stream->Read(10), "");
}

TEST_F(BinaryStreamTest, EndOfFileAndClose)
{
    const Ref<BinaryStream> stream = m_file.OpenAsBinaryFile(false);
    const auto size = static_cast<std::int64_t>(m_bytes.size());
    EXPECT_FALSE(stream->Eof());
    stream->SetPosition(size - 1);
    EXPECT_FALSE(stream->Eof());
    EXPECT_EQ(stream->Read(100).size(), 1u);
    EXPECT_TRUE(stream->Eof());
    stream->SetPosition(size + 5000);
    EXPECT_TRUE(stream->Eof());
    EXPECT_EQ(stream->Read(1), "");

    stream->SetPosition(-4);
    EXPECT_EQ(stream->Read(4), "") << "a negative position reads nothing";

    stream->SetPosition(0);
    stream->Close();
    EXPECT_TRUE(stream->Eof());
    EXPECT_EQ(stream->Read(10), "");
    EXPECT_EQ(stream->ReadView(10), "");
}

TEST_F(BinaryStreamTest, SeesBytesAppendedAfterOpening)
{
    const auto path = m_dir.Write("growing.bin", "abc");
    const Ref<BinaryStream> stream = FolderItem(path).OpenAsBinaryFile(false);
    EXPECT_EQ(stream->Read(10), "abc");
    EXPECT_TRUE(stream->Eof());
    m_dir.Write("growing.bin", "abcdef");
    EXPECT_FALSE(stream->Eof());
    EXPECT_EQ(stream->Read(10), "def");
}

TEST_F(BinaryStreamTest, EndsWhereTheFileWasCutShortAfterOpening)
{
    const auto path = m_dir.Write("shrinking.bin", m_bytes);
    const Ref<BinaryStream> stream = FolderItem(path).OpenAsBinaryFile(false);
    EXPECT_EQ(stream->Read(10), m_bytes.substr(0, 10));
    std::filesystem::resize_file(path, 100'000);
    stream->SetPosition(BinaryStream::kBufferSize);
    EXPECT_EQ(stream->Read(4096), "");
    EXPECT_TRUE(stream->Eof()) << "a stream read empty before its old size must end there";
    EXPECT_EQ(stream->Length(), 100'000);
}

} // namespace
} // namespace fw
