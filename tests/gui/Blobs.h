#pragma once

#include <cstdint>
#include <functional>

#include "framework/core/ByteStrings.h"
#include "framework/core/Color.h"

// Complete property blobs in each class's entry order, with the values the
// program's result window and its controls carry unless a test changes them.
namespace fw::test {

struct WindowDesign {
    std::int32_t placement = 0;
    std::int32_t width = 280;
    std::int32_t height = 150;
    std::int32_t minWidth = 280;
    std::int32_t minHeight = 150;
    std::int32_t maxWidth = 280;
    std::int32_t maxHeight = 150;
    std::int32_t frame = 0;
    bool composite = false;
    bool hasBackColor = false;
    Color backColor{255, 255, 255};
    String title;
    bool visible = true;
    bool fullScreen = false;
    bool menuBarVisible = true;
    bool closeButton = true;
    bool resizeable = false;
    bool liveResize = false;
    bool maximizeButton = false;
    bool minimizeButton = false;
    std::int32_t macProcId = 0;
};

struct ControlDesign {
    String name;
    std::int32_t left = 20;
    std::int32_t top = 10;
    std::int32_t width = 240;
    std::int32_t height = 20;
    std::int32_t tabIndex = 0;
    bool tabStop = true;
    bool enabled = true;
    bool visible = true;
    String helpTag;
    String text;             // Text of a label, Caption of a button
    std::int32_t textAlign = 0;
    Color textColor{0, 0, 0};
    bool multiLine = false;
    bool isDefault = false;
    bool cancel = false;
    String textFont = "Osaka";
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool acceptFocus = false;
    bool eraseBackground = true;
};

// A control's design with its name, adjusted by `adjust`.
ControlDesign Design(const String& name, const std::function<void(ControlDesign&)>& adjust = {});

String WindowBlob(const WindowDesign& design);
String LabelBlob(const ControlDesign& design);
String PushButtonBlob(const ControlDesign& design);
String CanvasBlob(const ControlDesign& design);

} // namespace fw::test
