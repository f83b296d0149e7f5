#include "framework/core/PushButtonDesign.h"

#include "framework/core/PropertyBlobEncoder.h"

namespace fw {

String PushButtonDesign::Encode() const
{
    PropertyBlobEncoder blob;
    place.EncodeInto(blob);
    return blob.Boolean("TabStop", tabStop)
        .Text("Caption", caption)
        .Boolean("Default", isDefault)
        .Boolean("Cancel", cancel)
        .Boolean("Enabled", enabled)
        .Boolean("Visible", visible)
        .Text("HelpTag", helpTag)
        .Boolean("AutoDeactivate", autoDeactivate)
        .Integer("ButtonStyle", buttonStyle)
        .Text("TextFont", textFont)
        .Boolean("Bold", bold)
        .Boolean("Italic", italic)
        .Boolean("Underline", underline)
        .Text("InitialParent", initialParent)
        .Bytes();
}

} // namespace fw
