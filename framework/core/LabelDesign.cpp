#include "framework/core/LabelDesign.h"

#include "framework/core/PropertyBlobEncoder.h"

namespace fw {

String LabelDesign::Encode() const
{
    PropertyBlobEncoder blob;
    place.EncodeInto(blob);
    return blob.Text("Text", text)
        .Integer("TextAlign", textAlign)
        .Colour("TextColor", textColor)
        .Boolean("Multiline", multiLine)
        .Boolean("Enabled", enabled)
        .Boolean("Visible", visible)
        .Boolean("Selectable", selectable)
        .Boolean("Transparent", transparent)
        .Text("HelpTag", helpTag)
        .Boolean("AutoDeactivate", autoDeactivate)
        .Text("TextFont", textFont)
        .Boolean("Bold", bold)
        .Boolean("Italic", italic)
        .Boolean("Underline", underline)
        .Text("DataSource", dataSource)
        .Text("DataField", dataField)
        .Text("InitialParent", initialParent)
        .Bytes();
}

} // namespace fw
