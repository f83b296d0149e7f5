#pragma once

#include <cstdint>

#include "framework/core/ByteStrings.h"
#include "framework/core/Color.h"

namespace fw {

// A window as designed: its blob's 21 entries in blob order. The defaults
// are a new window's.
struct WindowDesign {
    std::int32_t placement = 0;
    std::int32_t width = 300;
    std::int32_t height = 300;
    std::int32_t minWidth = 64;
    std::int32_t minHeight = 64;
    std::int32_t maxWidth = 32000;
    std::int32_t maxHeight = 32000;
    std::int32_t frame = 0;
    bool composite = false;
    bool hasBackColor = false;
    Color backColor{255, 255, 255};
    String title{};
    bool visible = true;
    bool fullScreen = false;
    bool menuBarVisible = true;
    bool closeButton = true;
    bool resizeable = true;
    bool liveResize = true;
    bool maximizeButton = true;
    bool minimizeButton = true;
    std::int32_t macProcId = 0;

    String Encode() const;
};

} // namespace fw
