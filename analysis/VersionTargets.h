#pragma once

#include "Resources/PictureAccessors.h"
#include "framework/core/ByteStrings.h"

namespace karvelio {

// Where the analysis reports its findings, one update at a time. The result
// window is one implementation (its canvas and labels); UpdateRecorder,
// which logs the updates in order, is another.
class VersionTargets {
public:
    virtual ~VersionTargets() = default;

    // The picture is named by its accessor; the target decides whether to load it.
    virtual void SetReleasePicture(PictureAccessor accessor) = 0;
    virtual void SetReleaseName(const fw::String& text) = 0;
    virtual void SetEdition(const fw::String& text) = 0;
    virtual void SetSubVersion(const fw::String& text) = 0;
    // The sub-version as the target holds it now.
    virtual fw::String GetSubVersion() = 0;
};

} // namespace karvelio
