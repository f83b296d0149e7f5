#include "tests/gui/Blobs.h"

#include "framework/core/PropertyBlobEncoder.h"

namespace fw::test {

namespace {

constexpr std::int32_t kNoControlArray = INT32_MIN;

void Head(PropertyBlobEncoder& blob, const ControlDesign& design)
{
    blob.Text("Name", design.name)
        .Integer("Index", kNoControlArray)
        .Integer("Left", design.left)
        .Integer("Top", design.top)
        .Integer("Width", design.width)
        .Integer("Height", design.height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", design.tabIndex);
}

} // namespace

ControlDesign Design(const String& name, const std::function<void(ControlDesign&)>& adjust)
{
    ControlDesign design;
    design.name = name;
    if (adjust) {
        adjust(design);
    }
    return design;
}

String WindowBlob(const WindowDesign& design)
{
    return PropertyBlobEncoder()
        .Integer("Placement", design.placement)
        .Integer("Width", design.width)
        .Integer("Height", design.height)
        .Integer("MinWidth", design.minWidth)
        .Integer("MinHeight", design.minHeight)
        .Integer("MaxWidth", design.maxWidth)
        .Integer("MaxHeight", design.maxHeight)
        .Integer("Frame", design.frame)
        .Boolean("Composite", design.composite)
        .Boolean("HasBackColor", design.hasBackColor)
        .Colour("BackColor", design.backColor)
        .Text("Title", design.title)
        .Boolean("Visible", design.visible)
        .Boolean("FullScreen", design.fullScreen)
        .Boolean("MenuBarVisible", design.menuBarVisible)
        .Boolean("CloseButton", design.closeButton)
        .Boolean("Resizeable", design.resizeable)
        .Boolean("LiveResize", design.liveResize)
        .Boolean("MaximizeButton", design.maximizeButton)
        .Boolean("MinimizeButton", design.minimizeButton)
        .Integer("MacProcID", design.macProcId)
        .Bytes();
}

String LabelBlob(const ControlDesign& design)
{
    PropertyBlobEncoder blob;
    Head(blob, design);
    return blob.Text("Text", design.text)
        .Integer("TextAlign", design.textAlign)
        .Colour("TextColor", design.textColor)
        .Boolean("Multiline", design.multiLine)
        .Boolean("Enabled", design.enabled)
        .Boolean("Visible", design.visible)
        .Boolean("Selectable", false)
        .Boolean("Transparent", false)
        .Text("HelpTag", design.helpTag)
        .Boolean("AutoDeactivate", true)
        .Text("TextFont", design.textFont)
        .Boolean("Bold", design.bold)
        .Boolean("Italic", design.italic)
        .Boolean("Underline", design.underline)
        .Text("DataSource", "")
        .Text("DataField", "")
        .Text("InitialParent", "")
        .Bytes();
}

String PushButtonBlob(const ControlDesign& design)
{
    PropertyBlobEncoder blob;
    Head(blob, design);
    return blob.Boolean("TabStop", design.tabStop)
        .Text("Caption", design.text)
        .Boolean("Default", design.isDefault)
        .Boolean("Cancel", design.cancel)
        .Boolean("Enabled", design.enabled)
        .Boolean("Visible", design.visible)
        .Text("HelpTag", design.helpTag)
        .Boolean("AutoDeactivate", true)
        .Integer("ButtonStyle", 0)
        .Text("TextFont", design.textFont)
        .Boolean("Bold", design.bold)
        .Boolean("Italic", design.italic)
        .Boolean("Underline", design.underline)
        .Text("InitialParent", "")
        .Bytes();
}

String CanvasBlob(const ControlDesign& design)
{
    PropertyBlobEncoder blob;
    Head(blob, design);
    return blob.Boolean("TabStop", design.tabStop)
        .Boolean("Visible", design.visible)
        .Text("HelpTag", design.helpTag)
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", design.enabled)
        .Boolean("UseFocusRing", true)
        .Boolean("AcceptFocus", design.acceptFocus)
        .Boolean("AcceptTabs", false)
        .Boolean("DoubleBuffer", false)
        .Boolean("EraseBackground", design.eraseBackground)
        .Text("InitialParent", "")
        .Bytes();
}

} // namespace fw::test
