#pragma once

#include "analysis/VersionTargets.h"
#include "framework/core/Ref.h"

namespace karvelio {

class Window1;

// The analysis's findings written into a result window: the release picture
// into Canvas1, the release name into StaticText2, the edition into
// StaticText3 and the sub-version into StaticText5. Every update fetches its
// control anew through the window's accessor; a control that is not there
// raises NilObjectException.
class ResultWindowTargets : public VersionTargets {
public:
    // The window must outlive the targets.
    explicit ResultWindowTargets(const Window1& window);

    void SetReleasePicture(PictureAccessor accessor) override;
    void SetReleaseName(const fw::String& text) override;
    void SetEdition(const fw::String& text) override;
    void SetSubVersion(const fw::String& text) override;
    fw::String GetSubVersion() override;

private:
    const Window1& m_window;
};

} // namespace karvelio
