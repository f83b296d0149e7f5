#pragma once

#include "framework/core/ByteStrings.h"
#include "framework/core/ControlPlacement.h"

namespace fw {

// A canvas as designed: its blob's 23 entries in blob order (the defaults are
// a new canvas's). Its picture is no blob entry.
struct CanvasDesign {
    ControlPlacement place{};
    bool tabStop = true;
    bool visible = true;
    String helpTag{};
    bool autoDeactivate = true;
    bool enabled = true;
    bool useFocusRing = true;
    bool acceptFocus = false;
    bool acceptTabs = false;
    bool doubleBuffer = false;
    bool eraseBackground = true;
    String initialParent{};

    String Encode() const;
};

} // namespace fw
