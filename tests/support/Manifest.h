#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace karvelio::testing {

// The real documents beside the checkout and what the program must show for
// each (MANIFEST.tsv). KARVELIO_TESTDATA_DIR names the folder.
struct ManifestRow {
    std::string file;
    std::string release;
    std::string edition;    // "(empty)" for the empty text
    std::string subVersion; // "(untouched…" when the analysis leaves it alone
    std::string note;

    bool SubVersionUntouched() const { return subVersion.rfind("(untouched", 0) == 0; }
    std::string EditionShown() const { return edition == "(empty)" ? "" : edition; }
};

const std::filesystem::path& TestDataFolder();
// Empty when the folder or its manifest is missing.
std::vector<ManifestRow> ReadManifest();

} // namespace karvelio::testing
