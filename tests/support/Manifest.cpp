#include "tests/support/Manifest.h"

#include <fstream>
#include <sstream>

namespace karvelio::testing {

namespace {

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> cells;
    std::stringstream in(line);
    for (std::string cell; std::getline(in, cell, '\t');) {
        cells.push_back(cell);
    }
    return cells;
}

} // namespace

const std::filesystem::path& TestDataFolder()
{
    static const std::filesystem::path folder = KARVELIO_TESTDATA_DIR;
    return folder;
}

std::vector<ManifestRow> ReadManifest()
{
    std::ifstream in(TestDataFolder() / "MANIFEST.tsv");
    std::vector<ManifestRow> rows;
    std::string line;
    std::getline(in, line); // column titles
    while (std::getline(in, line)) {
        const auto cells = SplitTabs(line);
        if (cells.size() >= 9) {
            rows.push_back({cells[0], cells[5], cells[6], cells[7], cells[8]});
        }
    }
    return rows;
}

} // namespace karvelio::testing
