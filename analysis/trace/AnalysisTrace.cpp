// analysis-trace: runs the version analysis on each file named on the command
// line and prints its updates in order, then "end" (or "error CLASS" when a
// run-time error stopped it). A way to check documents without the windows.

#include <iostream>

#include "analysis/UpdateRecorder.h"
#include "analysis/VersionAnalysis.h"
#include "framework/core/FolderItem.h"
#include "framework/core/RuntimeException.h"

namespace {

bool TraceDocument(const std::string& path)
{
    karvelio::UpdateRecorder recorder;
    bool ok = true;
    std::string ending = "end";
    try {
        karvelio::AnalyseDocumentVersion(fw::FolderItem(path), recorder);
    } catch (const fw::RuntimeException& error) {
        ending = std::string("error ") + error.ClassName();
        std::cerr << "analysis-trace: " << path << ": " << error.Message() << '\n';
        ok = false;
    }
    for (const std::string& line : recorder.Lines()) {
        std::cout << line << '\n';
    }
    std::cout << ending << '\n';
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: analysis-trace DOCUMENT...\n";
        return 2;
    }
    bool allOk = true;
    for (int i = 1; i < argc; ++i) {
        allOk = TraceDocument(argv[i]) && allOk;
    }
    return allOk ? 0 : 1;
}
