#include "tests/gui/Blobs.h"

#include "framework/core/PropertyBlobEncoder.h"

namespace fw::test {

namespace {

constexpr std::int32_t kNoControlArray = INT32_MIN;

void Head(PropertyBlobEncoder& blob, const ControlSpec& spec)
{
    blob.Text("Name", spec.name)
        .Integer("Index", kNoControlArray)
        .Integer("Left", spec.left)
        .Integer("Top", spec.top)
        .Integer("Width", spec.width)
        .Integer("Height", spec.height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", spec.tabIndex);
}

} // namespace

ControlSpec Spec(const String& name, const std::function<void(ControlSpec&)>& adjust)
{
    ControlSpec spec;
    spec.name = name;
    if (adjust) {
        adjust(spec);
    }
    return spec;
}

String WindowBlob(const WindowSpec& spec)
{
    return PropertyBlobEncoder()
        .Integer("Placement", spec.placement)
        .Integer("Width", spec.width)
        .Integer("Height", spec.height)
        .Integer("MinWidth", spec.minWidth)
        .Integer("MinHeight", spec.minHeight)
        .Integer("MaxWidth", spec.maxWidth)
        .Integer("MaxHeight", spec.maxHeight)
        .Integer("Frame", spec.frame)
        .Boolean("Composite", spec.composite)
        .Boolean("HasBackColor", spec.hasBackColor)
        .Colour("BackColor", spec.backColor)
        .Text("Title", spec.title)
        .Boolean("Visible", spec.visible)
        .Boolean("FullScreen", spec.fullScreen)
        .Boolean("MenuBarVisible", spec.menuBarVisible)
        .Boolean("CloseButton", spec.closeButton)
        .Boolean("Resizeable", spec.resizeable)
        .Boolean("LiveResize", spec.liveResize)
        .Boolean("MaximizeButton", spec.maximizeButton)
        .Boolean("MinimizeButton", spec.minimizeButton)
        .Integer("MacProcID", spec.macProcId)
        .Bytes();
}

String LabelBlob(const ControlSpec& spec)
{
    PropertyBlobEncoder blob;
    Head(blob, spec);
    return blob.Text("Text", spec.text)
        .Integer("TextAlign", spec.textAlign)
        .Colour("TextColor", spec.textColor)
        .Boolean("Multiline", spec.multiLine)
        .Boolean("Enabled", spec.enabled)
        .Boolean("Visible", spec.visible)
        .Boolean("Selectable", false)
        .Boolean("Transparent", false)
        .Text("HelpTag", spec.helpTag)
        .Boolean("AutoDeactivate", true)
        .Text("TextFont", spec.textFont)
        .Boolean("Bold", spec.bold)
        .Boolean("Italic", spec.italic)
        .Boolean("Underline", spec.underline)
        .Text("DataSource", "")
        .Text("DataField", "")
        .Text("InitialParent", "")
        .Bytes();
}

String PushButtonBlob(const ControlSpec& spec)
{
    PropertyBlobEncoder blob;
    Head(blob, spec);
    return blob.Boolean("TabStop", spec.tabStop)
        .Text("Caption", spec.text)
        .Boolean("Default", spec.isDefault)
        .Boolean("Cancel", spec.cancel)
        .Boolean("Enabled", spec.enabled)
        .Boolean("Visible", spec.visible)
        .Text("HelpTag", spec.helpTag)
        .Boolean("AutoDeactivate", true)
        .Integer("ButtonStyle", 0)
        .Text("TextFont", spec.textFont)
        .Boolean("Bold", spec.bold)
        .Boolean("Italic", spec.italic)
        .Boolean("Underline", spec.underline)
        .Text("InitialParent", "")
        .Bytes();
}

String CanvasBlob(const ControlSpec& spec)
{
    PropertyBlobEncoder blob;
    Head(blob, spec);
    return blob.Boolean("TabStop", spec.tabStop)
        .Boolean("Visible", spec.visible)
        .Text("HelpTag", spec.helpTag)
        .Boolean("AutoDeactivate", true)
        .Boolean("Enabled", spec.enabled)
        .Boolean("UseFocusRing", true)
        .Boolean("AcceptFocus", spec.acceptFocus)
        .Boolean("AcceptTabs", false)
        .Boolean("DoubleBuffer", false)
        .Boolean("EraseBackground", true)
        .Text("InitialParent", "")
        .Bytes();
}

} // namespace fw::test
