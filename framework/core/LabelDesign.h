#pragma once

#include <cstdint>

#include "framework/core/ByteStrings.h"
#include "framework/core/Color.h"
#include "framework/core/ControlPlacement.h"

namespace fw {

// A label as designed: its blob's 29 entries in blob order (the defaults are
// a new label's), then the text size, which is no blob entry: it is set
// through its setter before the blob is applied.
struct LabelDesign {
    ControlPlacement place{};
    String text{};
    std::int32_t textAlign = 0;
    Color textColor{0, 0, 0};
    bool multiLine = false;
    bool enabled = true;
    bool visible = true;
    bool selectable = false;
    bool transparent = false;
    String helpTag{};
    bool autoDeactivate = true;
    String textFont = "System";
    bool bold = false;
    bool italic = false;
    bool underline = false;
    String dataSource{};
    String dataField{};
    String initialParent{};

    float textSize = 0.0F;

    String Encode() const;
};

} // namespace fw
