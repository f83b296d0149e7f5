// Feeds arbitrary documents to the version analysis. The input becomes the
// document's bytes from offset 0; when it is longer than the header, the rest
// is placed at the scan's first chunk so the fuzzer reaches the field logic
// without writing 53 KiB per run.

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

#include "analysis/UpdateRecorder.h"
#include "analysis/VersionAnalysis.h"
#include "framework/core/FolderItem.h"
#include "framework/core/RuntimeException.h"

namespace {

constexpr std::size_t kHeader = 48;
constexpr off_t kFirstChunk = 53248;

int DocumentFd()
{
    static const int fd = ::memfd_create("karvelio-fuzz-document", 0);
    return fd;
}

void WriteDocument(const std::uint8_t* data, std::size_t size)
{
    const int fd = DocumentFd();
    (void)::ftruncate(fd, 0);
    const std::size_t head = size < kHeader ? size : kHeader;
    (void)::pwrite(fd, data, head, 0);
    if (size > kHeader) {
        (void)::pwrite(fd, data + kHeader, size - kHeader, kFirstChunk);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteDocument(data, size);
    karvelio::UpdateRecorder recorder;
    try {
        karvelio::AnalyseDocumentVersion(fw::FolderItem("/proc/self/fd/" + std::to_string(DocumentFd())), recorder);
    } catch (const fw::RuntimeException&) {
        // A document that cannot be read is a reported outcome, not a fault.
    }
    return 0;
}
