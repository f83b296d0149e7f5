#include "framework/core/CanvasDesign.h"

#include "framework/core/PropertyBlobEncoder.h"

namespace fw {

String CanvasDesign::Encode() const
{
    PropertyBlobEncoder blob;
    place.EncodeInto(blob);
    return blob.Boolean("TabStop", tabStop)
        .Boolean("Visible", visible)
        .Text("HelpTag", helpTag)
        .Boolean("AutoDeactivate", autoDeactivate)
        .Boolean("Enabled", enabled)
        .Boolean("UseFocusRing", useFocusRing)
        .Boolean("AcceptFocus", acceptFocus)
        .Boolean("AcceptTabs", acceptTabs)
        .Boolean("DoubleBuffer", doubleBuffer)
        .Boolean("EraseBackground", eraseBackground)
        .Text("InitialParent", initialParent)
        .Bytes();
}

} // namespace fw
