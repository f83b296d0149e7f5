#pragma once

#include <string>
#include <vector>

#include "analysis/VersionTargets.h"

namespace karvelio {

// Targets that keep every update as one line, in order: "picture cs3",
// "name Adobe InDesign CS3", "subversion 5.0.0.123", "edition Windows Edition".
// Texts are kept as their bytes. The sub-version reads back as last set.
class UpdateRecorder final : public VersionTargets {
public:
    explicit UpdateRecorder(fw::String initialSubVersion = {});

    void SetReleasePicture(PictureAccessor accessor) override;
    void SetReleaseName(const fw::String& text) override;
    void SetEdition(const fw::String& text) override;
    void SetSubVersion(const fw::String& text) override;
    fw::String GetSubVersion() override;

    const std::vector<std::string>& Lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
    fw::String m_subVersion;
};

} // namespace karvelio
