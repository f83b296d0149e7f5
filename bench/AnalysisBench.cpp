// The worst case of the analysis, a scan to the end of a document without its
// marker, against a plain read() loop over the same page-cached file in
// 128 KiB blocks. Compare their bytes_per_second.
//
// KARVELIO_BENCH_MIB sets the document size (default 1024); the document is
// written to KARVELIO_BENCH_DIR (default the system's temporary folder) and
// removed at the end.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "analysis/UpdateRecorder.h"
#include "analysis/VersionAnalysis.h"
#include "framework/core/BackgroundTask.h"
#include "framework/core/UniqueFd.h"
#if defined(KARVELIO_BENCH_EVENT_LOOP)
#include "framework/gui/Runtime.h"
#endif

namespace {

std::int64_t DocumentMiB()
{
    const char* text = std::getenv("KARVELIO_BENCH_MIB");
    return text != nullptr ? std::max<std::int64_t>(1, std::atoll(text)) : 1024;
}

std::filesystem::path DocumentFolder()
{
    const char* text = std::getenv("KARVELIO_BENCH_DIR");
    return text != nullptr ? std::filesystem::path(text) : std::filesystem::temp_directory_path();
}

// A CS4 little-endian header, then pseudo-random bytes in which an 'N' (0x4E,
// the marker's first byte) is never followed by 0x0E, so the marker cannot
// occur and the scan runs to the end, while the search still meets its first
// byte as often as in any random data.
class Document {
public:
    Document()
        : m_path(DocumentFolder() / ("karvelio-bench-" + std::to_string(::getpid()) + ".indd"))
    {
        std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
        std::vector<char> block(1 << 20);
        std::uint64_t state = 0x9E3779B97F4A7C15ull;
        for (std::int64_t mib = 0; mib < DocumentMiB(); ++mib) {
            for (char& byte : block) {
                state ^= state << 13;
                state ^= state >> 7;
                state ^= state << 17;
                byte = static_cast<char>(state >> 56);
                if (byte == '\x0E' && &byte != block.data() && *(&byte - 1) == 'N') {
                    byte = '\x0F';
                }
            }
            if (mib == 0) {
                std::fill(block.begin(), block.begin() + 48, '\0');
                block[24] = 1; // little-endian
                block[29] = 6; // CS4
            }
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
        }
    }
    ~Document() { std::filesystem::remove(m_path); }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::int64_t Size() const { return DocumentMiB() << 20; }

private:
    std::filesystem::path m_path;
};

const Document& TheDocument()
{
    static const Document document;
    return document;
}

void BM_PlainReadLoop(benchmark::State& state)
{
    const Document& document = TheDocument();
    std::vector<char> buffer(128 * 1024);
    for (auto _ : state) {
        fw::UniqueFd fd(::open(document.Path().c_str(), O_RDONLY | O_CLOEXEC));
        std::int64_t total = 0;
        for (ssize_t got; (got = ::read(fd.Get(), buffer.data(), buffer.size())) > 0;) {
            total += got;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(state.iterations() * document.Size());
}

void BM_AnalysisScanToEnd(benchmark::State& state)
{
    const Document& document = TheDocument();
    const fw::FolderItem item(document.Path());
    for (auto _ : state) {
        karvelio::UpdateRecorder recorder;
        const karvelio::ScanSummary summary = karvelio::AnalyseDocumentVersion(item, recorder);
        if (summary.markerFound) {
            state.SkipWithError("the generated document holds a marker");
        }
        benchmark::DoNotOptimize(summary);
    }
    state.SetBytesProcessed(state.iterations() * document.Size());
}

#if defined(KARVELIO_BENCH_EVENT_LOOP)
// The scan as the application runs it: every chunk without the marker yields
// to the running framework, which lets Qt handle events every few ms.
void BM_AnalysisScanToEndInTheApplication(benchmark::State& state)
{
    static const fw::BackgroundTaskHook eventLoopHook = [] {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        fw::RuntimeInit();
        return fw::SetBackgroundTaskHook(nullptr); // only this benchmark yields to it
    }();
    fw::SetBackgroundTaskHook(eventLoopHook);
    BM_AnalysisScanToEnd(state);
    fw::SetBackgroundTaskHook(nullptr);
}
#endif

// The baseline runs first, so it also brings the document into the page cache.
BENCHMARK(BM_PlainReadLoop)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_AnalysisScanToEnd)->Unit(benchmark::kMillisecond)->MinTime(2.0);
#if defined(KARVELIO_BENCH_EVENT_LOOP)
BENCHMARK(BM_AnalysisScanToEndInTheApplication)->Unit(benchmark::kMillisecond)->MinTime(2.0);
#endif
BENCHMARK(BM_PlainReadLoop)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
#if defined(KARVELIO_BENCH_EVENT_LOOP)
    // Qt goes down here, not among the static destructors after main.
    fw::RuntimeExit();
#endif
    return 0;
}
