#include "analysis/VersionAnalysis.h"

#include <array>

#include "framework/core/BackgroundTask.h"
#include "framework/core/BinaryStream.h"
#include "framework/core/NilObjectException.h"

namespace karvelio {

namespace {

constexpr std::int64_t kHeaderSize = 48;
constexpr std::int64_t kFirstChunkOffset = 53248; // 13 * 4096, 0xD000
constexpr std::int64_t kChunkSize = 4096;
constexpr std::int64_t kSubVersionLength = 9;

const char* const kUnknownRelease = "バージョン不明";
const char* const kNoField = "不明";
const char* const kCs55Name = "Adobe InDesign CS5.5";

fw::String Bytes(std::initializer_list<int> codes)
{
    fw::String out;
    for (const int code : codes) {
        out += fw::Chr(code);
    }
    return out;
}

// What the byte-order flag at offset 24 decides: where the version byte and
// the CS5.5 minor-version byte sit, the markers, the field delimiter, and how
// far from the end of its field the edition byte lies.
struct Branch {
    std::int64_t versionPosition;      // from 1
    std::int64_t minorVersionPosition; // from 1: low byte of the minor version
    fw::String laterReleaseMarker;
    fw::String delimiter;
    fw::String version3Marker;
    std::int64_t editionBackOffset; // edition byte at position L - this
};

Branch BranchFor(const fw::String& header)
{
    if (fw::MidB(header, 25, 1) == fw::Chr(2)) {
        return { 33, 37, Bytes({ 78, 13, 102, 14, 48, 106, 48 }), Bytes({ 64, 9 }), Bytes({ 64, 9, 51, 46 }), 11 };
    }
    return { 30, 34, Bytes({ 78, 14, 102, 106, 48, 230, 48 }), Bytes({ 9, 64 }), Bytes({ 9, 64, 51, 46 }), 12 };
}

struct Release {
    int versionCode;
    PictureAccessor picture;
    const char* name;
};

constexpr std::array<Release, 5> kReleases { {
    { 3, cs, "Adobe InDesign CS" },
    { 4, cs2, "Adobe InDesign CS2" },
    { 5, cs3, "Adobe InDesign CS3" },
    { 6, cs4, "Adobe InDesign CS4" },
    { 7, cs5, "Adobe InDesign CS5" },
} };

const Release* ReleaseFor(const fw::String& versionByte)
{
    for (const Release& release : kReleases) {
        if (versionByte == fw::Chr(release.versionCode)) {
            return &release;
        }
    }
    return nullptr;
}

fw::Ref<fw::BinaryStream> OpenForReading(const fw::FolderItem& document)
{
    fw::Ref<fw::BinaryStream> stream = document.OpenAsBinaryFile(false);
    if (!stream) {
        throw fw::NilObjectException("stream: cannot open \"" + document.NativePath() + "\" for reading ("
                                     + document.LastError() + ")");
    }
    return stream;
}

fw::String ReadHeader(const fw::FolderItem& document)
{
    const fw::Ref<fw::BinaryStream> stream = OpenForReading(document);
    fw::String header = stream->Read(kHeaderSize);
    stream->Close();
    return header;
}

// CS5 and CS5.5 share version byte 07; CS5.5 writes 05 as the low byte of the
// minor version that follows.
bool IsCs55Header(const fw::String& header, const Branch& branch, const Release& release)
{
    return release.versionCode == 7 && fw::MidB(header, branch.minorVersionPosition, 1) == fw::Chr(5);
}

struct ScanResult {
    fw::String chunk; // the chunk that holds the marker, or the last one read
    ScanSummary summary;
};

// Reads contiguous chunks from offset 53248 until one holds the marker or the
// file ends, yielding to the event loop after every chunk without it. Chunks
// are looked at in the stream's buffer; only the one the loop ends with is
// copied out.
ScanResult ScanForMarker(const fw::FolderItem& document, const fw::String& marker)
{
    const fw::Ref<fw::BinaryStream> stream = OpenForReading(document);
    ScanResult result;
    std::int64_t position = kFirstChunkOffset;
    std::string_view chunk;
    for (;;) {
        stream->SetPosition(position);
        chunk = stream->ReadView(kChunkSize);
        ++result.summary.chunksRead;
        if (fw::InStrB(0, chunk, marker) > 0) {
            result.summary.markerFound = true;
            break;
        }
        position += kChunkSize;
        fw::RuntimeBackgroundTask();
        if (stream->Eof()) {
            break;
        }
    }
    result.chunk = fw::String(chunk);
    stream->Close();
    return result;
}

fw::String EditionText(const fw::String& editionByte)
{
    if (editionByte == fw::Chr(0)) {
        return "Macintosh Edition";
    }
    if (editionByte == fw::Chr(1)) {
        return "Windows Edition";
    }
    return "Not understand";
}

// Splits the chunk that holds the marker at the delimiter: the last field
// starts with the sub-version, the field before it (or the only one) ends
// with the edition byte. The chunk is not empty, so it has a field.
void ReportFields(const fw::String& chunk, const Branch& branch, VersionTargets& targets)
{
    const std::int64_t fields = fw::CountFields(chunk, branch.delimiter);
    const fw::String lastField = fw::NthField(chunk, branch.delimiter, fields);
    targets.SetSubVersion(fw::LeftB(lastField, kSubVersionLength));

    if (fw::MidB(targets.GetSubVersion(), 3, 1) == "5") {
        targets.SetReleasePicture(cs55);
        targets.SetReleaseName(kCs55Name);
    }

    const fw::String editionField = fields > 1 ? fw::NthField(chunk, branch.delimiter, fields - 1) : lastField;
    const std::int64_t length = fw::LenB(editionField);
    targets.SetEdition(EditionText(fw::MidB(editionField, length - branch.editionBackOffset, 1)));
}

} // namespace

ScanSummary AnalyseDocumentVersion(const fw::FolderItem& document, VersionTargets& targets)
{
    const fw::String header = ReadHeader(document);
    const Branch branch = BranchFor(header);
    const fw::String versionByte = fw::MidB(header, branch.versionPosition, 1);

    const Release* release = ReleaseFor(versionByte);
    if (release == nullptr) {
        targets.SetReleasePicture(ind);
        targets.SetReleaseName(kUnknownRelease);
        targets.SetEdition("");
        return {};
    }
    if (IsCs55Header(header, branch, *release)) {
        targets.SetReleasePicture(cs55);
        targets.SetReleaseName(kCs55Name);
    } else {
        targets.SetReleasePicture(release->picture);
        targets.SetReleaseName(release->name);
    }

    const fw::String& marker = versionByte == fw::Chr(3) ? branch.version3Marker : branch.laterReleaseMarker;
    const ScanResult scan = ScanForMarker(document, marker);
    if (!scan.summary.markerFound) {
        // Without its marker the last chunk holds arbitrary bytes: splitting
        // it would show noise as the sub-version and guess an edition. (An
        // empty chunk, a document that ends before the scan starts, is one
        // without the marker.)
        targets.SetSubVersion(kNoField);
        targets.SetEdition(kNoField);
        return scan.summary;
    }
    ReportFields(scan.chunk, branch, targets);
    return scan.summary;
}

} // namespace karvelio
