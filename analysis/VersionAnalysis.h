#pragma once

#include <cstdint>

#include "analysis/VersionTargets.h"
#include "framework/core/FolderItem.h"

namespace karvelio {

// What the scan did, for tests and benchmarks; the program ignores it.
struct ScanSummary {
    std::int64_t chunksRead = 0;
    bool markerFound = false;
};

// Decides which release of the layout program wrote `document`, for which
// edition, and which sub-version text it carries, and reports them to
// `targets`: release picture and name first, then (after the scan) the
// sub-version and the edition. Reads the 48-byte header, then 4 KiB chunks
// from offset 53248 until one holds the marker that the version byte selects.
// A document that cannot be opened raises NilObjectException naming it; the
// updates made by then stay.
ScanSummary AnalyseDocumentVersion(const fw::FolderItem& document, VersionTargets& targets);

} // namespace karvelio
