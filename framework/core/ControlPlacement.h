#pragma once

#include <climits>
#include <cstdint>

#include "framework/core/ByteStrings.h"

namespace fw {

class PropertyBlobEncoder;

// Index of a control that is not one of an indexed set.
inline constexpr std::int32_t kNoControlArray = INT32_MIN;

// The twelve entries every control's blob starts with, Name to TabIndex, in
// blob order: which control it is, where it sits and where it comes in the
// tab order.
struct ControlPlacement {
    String name{};
    std::int32_t index = kNoControlArray;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool lockLeft = false;
    bool lockTop = false;
    bool lockRight = false;
    bool lockBottom = false;
    std::int32_t tabPanelIndex = 0;
    std::int32_t tabIndex = 0;

    void EncodeInto(PropertyBlobEncoder& blob) const;
};

} // namespace fw
