#pragma once

#include <cstdint>

#include "framework/core/ByteStrings.h"
#include "framework/core/ControlPlacement.h"

namespace fw {

// A push button as designed: its blob's 26 entries in blob order (the
// defaults are a new button's), then the text size, which is set through its
// setter before the blob is applied.
struct PushButtonDesign {
    ControlPlacement place{};
    bool tabStop = true;
    String caption{};
    bool isDefault = false;
    bool cancel = false;
    bool enabled = true;
    bool visible = true;
    String helpTag{};
    bool autoDeactivate = true;
    std::int32_t buttonStyle = 0;
    String textFont = "System";
    bool bold = false;
    bool italic = false;
    bool underline = false;
    String initialParent{};

    float textSize = 0.0F;

    String Encode() const;
};

} // namespace fw
