// The analysis on synthetic documents: every case checks the whole ordered
// list of updates and how many chunks the scan read.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "analysis/UpdateRecorder.h"
#include "analysis/VersionAnalysis.h"
#include "framework/core/BackgroundTask.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/TempDir.h"

namespace karvelio {
namespace {

using testing::DocumentBuilder;
using Order = DocumentBuilder::ByteOrder;
using Lines = std::vector<std::string>;

constexpr auto kBig = Order::Big;
constexpr auto kLittle = Order::Little;

struct Case {
    const char* name;
    std::function<std::string()> document;
    Lines updates;
    std::int64_t chunksRead;
};

std::ostream& operator<<(std::ostream& out, const Case& c)
{
    return out << c.name;
}

DocumentBuilder Doc(Order order, std::uint8_t version)
{
    DocumentBuilder doc(order);
    doc.Version(version);
    return doc;
}

std::string Later(Order order)
{
    return DocumentBuilder::LaterReleaseMarker(order);
}

Lines Updates(const char* picture, const char* name, const char* subVersion, const char* edition)
{
    return { std::string("picture ") + picture, std::string("name ") + name,
             std::string("subversion ") + subVersion, std::string("edition ") + edition };
}

const Lines kUnknownRelease = { "picture ind", "name バージョン不明", "edition " };

Lines NoField(const char* picture, const char* name)
{
    return Updates(picture, name, "不明", "不明");
}

const std::size_t kMid = 100; // somewhere inside a chunk

const Case kCases[] = {
    { "big_endian_cs3_splits_at_40_09",
      [] { return Doc(kBig, 5).MarkerWithFields(DocumentBuilder::ChunkOffset(0, kMid), Later(kBig), 0, "5.0.4.682").Bytes(); },
      Updates("cs3", "Adobe InDesign CS3", "5.0.4.682", "Macintosh Edition"), 1 },
    { "little_endian_cs_uses_version3_marker",
      [] {
          return Doc(kLittle, 3)
              .MarkerWithFields(DocumentBuilder::ChunkOffset(0, kMid), DocumentBuilder::Version3Marker(kLittle), 1, "3.0.1.123")
              .Bytes();
      },
      Updates("cs", "Adobe InDesign CS", "3.0.1.123", "Windows Edition"), 1 },
    { "big_endian_reads_version_at_offset_32_not_29",
      [] { return Doc(kBig, 0).Put(29, "\x06").Bytes(); }, kUnknownRelease, 0 },
    { "version_07_with_7_5_subversion_turns_cs55",
      [] { return Doc(kBig, 7).MarkerWithFields(DocumentBuilder::ChunkOffset(0, kMid), Later(kBig), 0, "7.5.1.304").Bytes(); },
      { "picture cs5", "name Adobe InDesign CS5", "subversion 7.5.1.304", "picture cs55",
        "name Adobe InDesign CS5.5", "edition Macintosh Edition" },
      1 },
    { "third_byte_5_overrides_any_release",
      [] {
          return Doc(kLittle, 4).MarkerWithFields(DocumentBuilder::ChunkOffset(0, kMid), Later(kLittle), 1, "4.5.0.100").Bytes();
      },
      { "picture cs2", "name Adobe InDesign CS2", "subversion 4.5.0.100",
        "picture cs55", "name Adobe InDesign CS5.5", "edition Windows Edition" },
      1 },
    { "version_08_is_unknown_and_not_scanned",
      [] { return Doc(kLittle, 8).MarkerWithFields(DocumentBuilder::ChunkOffset(0, kMid), Later(kLittle), 0, "8.0.0.370").Bytes(); },
      kUnknownRelease, 0 },
    { "version_ff_is_unknown", [] { return Doc(kBig, 0xFF).Bytes(); }, kUnknownRelease, 0 },
    { "version_02_is_unknown", [] { return Doc(kLittle, 2).Bytes(); }, kUnknownRelease, 0 },
    { "cs55_header_minor_version_little_endian",
      [] { return Doc(kLittle, 7).MinorVersion(5).Bytes(); }, NoField("cs55", "Adobe InDesign CS5.5"), 1 },
    { "cs55_header_minor_version_big_endian",
      [] {
          return Doc(kBig, 7).MinorVersion(5).MarkerWithFields(DocumentBuilder::ChunkOffset(0, kMid), Later(kBig), 0, "7.5.0.1.2").Bytes();
      },
      { "picture cs55", "name Adobe InDesign CS5.5", "subversion 7.5.0.1.2", "picture cs55",
        "name Adobe InDesign CS5.5", "edition Macintosh Edition" },
      1 },
    { "cs5_minor_version_other_than_05_stays_cs5",
      [] { return Doc(kLittle, 7).MinorVersion(0).Bytes(); }, NoField("cs5", "Adobe InDesign CS5"), 1 },
    { "file_of_31_bytes_big_endian_has_no_version_byte",
      [] { return Doc(kBig, 5).Size(31).Bytes(); }, kUnknownRelease, 0 },
    { "file_of_31_bytes_little_endian_scans_one_empty_chunk",
      [] { return Doc(kLittle, 5).Size(31).Bytes(); }, NoField("cs3", "Adobe InDesign CS3"), 1 },
    { "file_of_exactly_53248_bytes_scans_one_empty_chunk",
      [] { return Doc(kBig, 6).Size(DocumentBuilder::kDataStart).Bytes(); }, NoField("cs4", "Adobe InDesign CS4"), 1 },
    { "marker_without_delimiter_makes_one_field",
      [] {
          auto doc = Doc(kBig, 6);
          doc.Put(DocumentBuilder::ChunkOffset(0), "6.0.6.622ABC");
          doc.Put(DocumentBuilder::ChunkOffset(0, kMid), Later(kBig));
          doc.Put(DocumentBuilder::ChunkOffset(0, DocumentBuilder::kChunkSize - 12), std::string(1, '\1'));
          return doc.Bytes();
      },
      Updates("cs4", "Adobe InDesign CS4", "6.0.6.622", "Windows Edition"), 1 },
    { "marker_without_delimiter_little_endian_takes_13th_byte_from_end",
      [] {
          auto doc = Doc(kLittle, 6);
          doc.Put(DocumentBuilder::ChunkOffset(0, kMid), Later(kLittle));
          doc.Put(DocumentBuilder::ChunkOffset(0, DocumentBuilder::kChunkSize - 13), std::string(1, '\2'));
          return doc.Bytes();
      },
      { "picture cs4", "name Adobe InDesign CS4", std::string("subversion ") + std::string(9, '\0'),
        "edition Not understand" },
      1 },
    { "chunk_ending_with_delimiter_has_empty_last_field",
      [] {
          auto doc = Doc(kBig, 5);
          std::string tail = Later(kBig) + "FILL" + '\0' + std::string(11, 'T') + DocumentBuilder::Delimiter(kBig);
          doc.Put(DocumentBuilder::ChunkOffset(1) - tail.size(), tail);
          return doc.Bytes();
      },
      Updates("cs3", "Adobe InDesign CS3", "", "Macintosh Edition"), 1 },
    { "marker_straddling_two_chunks_is_not_found",
      [] {
          return Doc(kBig, 5)
              .Put(DocumentBuilder::ChunkOffset(1) - 3, Later(kBig))
              .Size(DocumentBuilder::ChunkOffset(2))
              .Bytes();
      },
      NoField("cs3", "Adobe InDesign CS3"), 2 },
    { "marker_in_third_chunk_reads_three",
      [] {
          return Doc(kLittle, 6)
              .MarkerWithFields(DocumentBuilder::ChunkOffset(2, kMid), Later(kLittle), 0, "6.0.6.622")
              .Size(DocumentBuilder::ChunkOffset(8))
              .Bytes();
      },
      Updates("cs4", "Adobe InDesign CS4", "6.0.6.622", "Macintosh Edition"), 3 },
    { "no_marker_anywhere_reads_to_the_end",
      [] { return Doc(kBig, 4).Size(DocumentBuilder::ChunkOffset(5, 10)).Bytes(); },
      NoField("cs2", "Adobe InDesign CS2"), 6 },
    { "big_endian_edition_is_12th_byte_from_end_whatever_the_13th",
      [] {
          auto doc = Doc(kBig, 5);
          const std::string tail = Later(kBig) + "\x01" + '\0' + std::string(11, 'T') + DocumentBuilder::Delimiter(kBig) + "5.0.0.1xx";
          return doc.Put(DocumentBuilder::ChunkOffset(0, kMid), tail).Bytes();
      },
      Updates("cs3", "Adobe InDesign CS3", "5.0.0.1xx", "Macintosh Edition"), 1 },
    { "little_endian_marker_with_c3_a6_is_not_the_marker",
      [] {
          const std::string utf8Marker = std::string("\x4E\x0E\x66\x6A\x30\xC3\xA6\x30", 8);
          return Doc(kLittle, 6).MarkerWithFields(DocumentBuilder::ChunkOffset(0, kMid), utf8Marker, 0, "6.0.0.1").Bytes();
      },
      NoField("cs4", "Adobe InDesign CS4"), 1 },
    { "short_edition_field_reads_not_understand",
      [] {
          auto doc = Doc(kBig, 5);
          const std::string run = DocumentBuilder::Delimiter(kBig) + "ab" + DocumentBuilder::Delimiter(kBig) + "5.0.0.2..";
          doc.Put(DocumentBuilder::ChunkOffset(0, kMid), Later(kBig));
          doc.Put(DocumentBuilder::ChunkOffset(0, 200), run);
          doc.Put(DocumentBuilder::ChunkOffset(0, 200 + run.size()), std::string(1, '\0'));
          return doc.Bytes();
      },
      Updates("cs3", "Adobe InDesign CS3", "5.0.0.2..", "Not understand"), 1 },
};

class VersionAnalysisCases : public ::testing::TestWithParam<Case> {};

TEST_P(VersionAnalysisCases, MakesExactlyTheExpectedUpdates)
{
    const Case& c = GetParam();
    const testing::TempDir dir;
    const auto path = dir.Write("doc.indd", c.document());

    UpdateRecorder recorder;
    const ScanSummary summary = AnalyseDocumentVersion(fw::FolderItem(path), recorder);

    EXPECT_EQ(recorder.Lines(), c.updates);
    EXPECT_EQ(summary.chunksRead, c.chunksRead);
}

INSTANTIATE_TEST_SUITE_P(Documents, VersionAnalysisCases, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

int g_yields = 0;

void CountYield()
{
    ++g_yields;
}

// Every chunk without the marker yields once to the event loop; the chunk
// that holds it does not.
TEST(VersionAnalysisYield, YieldsOncePerChunkWithoutTheMarker)
{
    const testing::TempDir dir;
    const auto firstChunk = dir.Write("first.indd",
        Doc(kBig, 5).MarkerWithFields(DocumentBuilder::ChunkOffset(0, kMid), Later(kBig), 0, "5.0.0.0").Bytes());
    const auto fourthChunk = dir.Write("fourth.indd",
        Doc(kBig, 5).MarkerWithFields(DocumentBuilder::ChunkOffset(3, kMid), Later(kBig), 0, "5.0.0.0").Bytes());

    const fw::BackgroundTaskHook previous = fw::SetBackgroundTaskHook(CountYield);
    UpdateRecorder first;
    g_yields = 0;
    AnalyseDocumentVersion(fw::FolderItem(firstChunk), first);
    EXPECT_EQ(g_yields, 0);

    UpdateRecorder fourth;
    g_yields = 0;
    AnalyseDocumentVersion(fw::FolderItem(fourthChunk), fourth);
    EXPECT_EQ(g_yields, 3);
    fw::SetBackgroundTaskHook(previous);
}

// The sub-version's third byte is read back from the target, not from the
// chunk: a target that holds another text decides the override.
TEST(VersionAnalysisReadBack, OverrideFollowsTheTargetsText)
{
    class RewritingTarget final : public VersionTargets {
    public:
        void SetReleasePicture(PictureAccessor accessor) override { pictures.push_back(PictureAccessorName(accessor)); }
        void SetReleaseName(const fw::String&) override {}
        void SetEdition(const fw::String&) override {}
        void SetSubVersion(const fw::String&) override {}
        fw::String GetSubVersion() override { return "xx5"; }
        std::vector<std::string_view> pictures;
    };
    const testing::TempDir dir;
    const auto path = dir.Write("doc.indd",
        Doc(kBig, 5).MarkerWithFields(DocumentBuilder::ChunkOffset(0, kMid), Later(kBig), 0, "5.0.0.0").Bytes());
    RewritingTarget target;
    AnalyseDocumentVersion(fw::FolderItem(path), target);
    EXPECT_EQ(target.pictures, (std::vector<std::string_view> { "cs3", "cs55" }));
}

} // namespace
} // namespace karvelio
