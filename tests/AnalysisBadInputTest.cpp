// Documents that are not documents: every one ends in a clear outcome, either
// updates or a RuntimeException naming the file, never a crash or a hang.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "analysis/UpdateRecorder.h"
#include "analysis/VersionAnalysis.h"
#include "framework/core/BackgroundTask.h"
#include "framework/core/NilObjectException.h"
#include "tests/support/TempDir.h"

namespace karvelio {
namespace {

using Lines = std::vector<std::string>;

const Lines kUnknownRelease = { "picture ind", "name バージョン不明", "edition " };

Lines Analyse(const std::filesystem::path& path)
{
    UpdateRecorder recorder;
    AnalyseDocumentVersion(fw::FolderItem(path), recorder);
    return recorder.Lines();
}

// Runs the analysis expecting it to fail; returns the error's message.
std::string FailureOf(const std::filesystem::path& path, UpdateRecorder& recorder)
{
    try {
        AnalyseDocumentVersion(fw::FolderItem(path), recorder);
    } catch (const fw::NilObjectException& error) {
        return error.Message();
    }
    ADD_FAILURE() << "no exception for " << path;
    return {};
}

TEST(AnalysisBadInput, TinyFilesHaveNoVersionByte)
{
    const testing::TempDir dir;
    EXPECT_EQ(Analyse(dir.Write("empty.indd", "")), kUnknownRelease);
    EXPECT_EQ(Analyse(dir.Write("one.indd", "\x02")), kUnknownRelease);
    EXPECT_EQ(Analyse(dir.Write("flag-only.indd", std::string(25, '\x02'))), kUnknownRelease);
}

TEST(AnalysisBadInput, UnopenableItemsRaiseNilObjectNamingTheFile)
{
    const testing::TempDir dir;
    const auto fifo = dir.Path() / "pipe.indd";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(dir.Path() / "folder.indd");

    struct Row {
        std::filesystem::path path;
        const char* reason;
    };
    const Row rows[] = {
        { dir.Path() / "folder.indd", "folder" },
        { fifo, "not a regular file" }, // must not block waiting for a writer
        { dir.Path() / "missing.indd", "No such file" },
        { "/dev/zero", "not a regular file" }, // would never end
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        UpdateRecorder recorder;
        const std::string message = FailureOf(row.path, recorder);
        EXPECT_NE(message.find(row.path.string()), std::string::npos) << message;
        EXPECT_NE(message.find(row.reason), std::string::npos) << message;
        EXPECT_TRUE(recorder.Lines().empty());
    }
}

TEST(AnalysisBadInput, UnreadableFileRaisesNilObject)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root: permission bits do not stop root from reading";
    }
    const testing::TempDir dir;
    const auto path = dir.Write("locked.indd", std::string(100, '\0'));
    std::filesystem::permissions(path, std::filesystem::perms::none);
    UpdateRecorder recorder;
    EXPECT_NE(FailureOf(path, recorder).find("Permission denied"), std::string::npos);
}

// A scan past 2 GiB and 4 GiB: the position is 64-bit. The file is sparse,
// so it costs no disk; the marker sits in the chunk just past 4 GiB.
TEST(AnalysisBadInput, ScansPastFourGibibytes)
{
    const testing::TempDir dir;
    std::string header(48, '\0');
    header[24] = '\x02';
    header[32] = '\x06';
    const auto path = dir.Write("huge.indd", header);
    const std::int64_t chunkPast4GiB = 53248 + ((std::int64_t { 1 } << 32) / 4096) * 4096;
    const std::string tail = std::string("\x4E\x0D\x66\x0E\x30\x6A\x30", 7) + std::string(12, '\0') + "@\t6.0.0.1xy";
    {
        std::FILE* file = std::fopen(path.c_str(), "r+b");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(::fseeko(file, chunkPast4GiB + 10, SEEK_SET), 0);
        ASSERT_EQ(std::fwrite(tail.data(), 1, tail.size(), file), tail.size());
        std::fclose(file);
    }
    UpdateRecorder recorder;
    const ScanSummary summary = AnalyseDocumentVersion(fw::FolderItem(path), recorder);
    EXPECT_EQ(recorder.Lines(),
              (Lines { "picture cs4", "name Adobe InDesign CS4", "subversion 6.0.0.1xy", "edition Macintosh Edition" }));
    EXPECT_EQ(summary.chunksRead, (chunkPast4GiB - 53248) / 4096 + 1);
}

// A document cut short while it is scanned ends the scan where it now ends,
// as one without its marker; read to its old size it would take minutes of
// empty reads. The 64 GiB document is sparse and cut to 100 kB at the first
// yield.
std::filesystem::path g_shrinking;

void CutShort()
{
    if (!g_shrinking.empty()) {
        std::filesystem::resize_file(g_shrinking, 100'000);
        g_shrinking.clear();
    }
}

TEST(AnalysisBadInput, ADocumentCutShortDuringItsScanEndsIt)
{
    const testing::TempDir dir;
    std::string header(48, '\0');
    header[29] = '\x06';
    const auto path = dir.Write("shrinking.indd", header);
    std::filesystem::resize_file(path, std::uintmax_t { 1 } << 36);
    g_shrinking = path;
    const fw::BackgroundTaskHook previous = fw::SetBackgroundTaskHook(CutShort);
    UpdateRecorder recorder;
    const ScanSummary summary = AnalyseDocumentVersion(fw::FolderItem(path), recorder);
    fw::SetBackgroundTaskHook(previous);
    EXPECT_EQ(recorder.Lines(), (Lines { "picture cs4", "name Adobe InDesign CS4", "subversion 不明", "edition 不明" }));
    EXPECT_LE(summary.chunksRead, (100'000 - 53248) / 4096 + 2);
}

} // namespace
} // namespace karvelio
