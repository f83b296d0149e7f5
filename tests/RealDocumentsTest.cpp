// Documents that none of us wrote, with what the program must show for each
// (MANIFEST.tsv beside them). Skips when the folder is not there.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <optional>
#include <filesystem>

#include "analysis/UpdateRecorder.h"
#include "analysis/VersionAnalysis.h"
#include "tests/support/Manifest.h"

namespace karvelio {
namespace {

using testing::ManifestRow;
using testing::ReadManifest;

const std::filesystem::path& kTestData = testing::TestDataFolder();

// The last value a kind of update left, or nullopt when none was made.
std::optional<std::string> Last(const std::vector<std::string>& lines, const std::string& kind)
{
    std::optional<std::string> value;
    for (const std::string& line : lines) {
        if (line.rfind(kind + " ", 0) == 0) {
            value = line.substr(kind.size() + 1);
        }
    }
    return value;
}

// The number before "chunk" or "chunks" in a manifest note ("2 chunks read",
// "(172 chunks)"), or nullopt when the note gives none.
std::optional<std::int64_t> ChunkCount(const std::string& note)
{
    for (std::size_t at = note.find(" chunk"); at != std::string::npos; at = note.find(" chunk", at + 1)) {
        std::size_t start = at;
        while (start > 0 && std::isdigit(static_cast<unsigned char>(note[start - 1])) != 0) {
            --start;
        }
        if (start < at) {
            return std::stoll(note.substr(start, at - start));
        }
    }
    return std::nullopt;
}

std::vector<std::string> TraceOutput(const std::filesystem::path& document)
{
    const std::string command = std::string(ANALYSIS_TRACE) + " '" + document.string() + "'";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    std::vector<std::string> lines;
    char buffer[512];
    std::string pending;
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        pending += buffer;
        if (!pending.empty() && pending.back() == '\n') {
            pending.pop_back();
            lines.push_back(pending);
            pending.clear();
        }
    }
    if (pipe != nullptr) {
        ::pclose(pipe);
    }
    return lines;
}

TEST(RealDocuments, EachShowsWhatTheManifestSays)
{
    if (!std::filesystem::exists(kTestData / "MANIFEST.tsv")) {
        GTEST_SKIP() << "no real documents at " << kTestData << " (the shared test data is not beside this checkout)";
    }
    const auto rows = ReadManifest();
    ASSERT_FALSE(rows.empty());
    for (const ManifestRow& row : rows) {
        SCOPED_TRACE(row.file);
        UpdateRecorder recorder;
        const ScanSummary summary = AnalyseDocumentVersion(fw::FolderItem(kTestData / row.file), recorder);
        const auto& lines = recorder.Lines();

        EXPECT_EQ(Last(lines, "name"), row.release);
        EXPECT_EQ(Last(lines, "edition"), row.EditionShown());
        if (row.SubVersionUntouched()) {
            EXPECT_EQ(Last(lines, "subversion"), std::nullopt);
            EXPECT_EQ(summary.chunksRead, 0);
        } else {
            EXPECT_EQ(Last(lines, "subversion"), row.subVersion);
        }
        if (const auto chunks = ChunkCount(row.note)) {
            EXPECT_EQ(summary.chunksRead, *chunks);
        }

        // The trace tool prints the same updates, then "end".
        auto expected = lines;
        expected.push_back("end");
        EXPECT_EQ(TraceOutput(kTestData / row.file), expected);
    }
}

} // namespace
} // namespace karvelio
