#include "framework/core/WindowDesign.h"

#include "framework/core/PropertyBlobEncoder.h"

namespace fw {

String WindowDesign::Encode() const
{
    return PropertyBlobEncoder()
        .Integer("Placement", placement)
        .Integer("Width", width)
        .Integer("Height", height)
        .Integer("MinWidth", minWidth)
        .Integer("MinHeight", minHeight)
        .Integer("MaxWidth", maxWidth)
        .Integer("MaxHeight", maxHeight)
        .Integer("Frame", frame)
        .Boolean("Composite", composite)
        .Boolean("HasBackColor", hasBackColor)
        .Colour("BackColor", backColor)
        .Text("Title", title)
        .Boolean("Visible", visible)
        .Boolean("FullScreen", fullScreen)
        .Boolean("MenuBarVisible", menuBarVisible)
        .Boolean("CloseButton", closeButton)
        .Boolean("Resizeable", resizeable)
        .Boolean("LiveResize", liveResize)
        .Boolean("MaximizeButton", maximizeButton)
        .Boolean("MinimizeButton", minimizeButton)
        .Integer("MacProcID", macProcId)
        .Bytes();
}

} // namespace fw
