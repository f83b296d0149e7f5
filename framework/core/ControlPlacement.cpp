#include "framework/core/ControlPlacement.h"

#include "framework/core/PropertyBlobEncoder.h"

namespace fw {

void ControlPlacement::EncodeInto(PropertyBlobEncoder& blob) const
{
    blob.Text("Name", name)
        .Integer("Index", index)
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Boolean("LockLeft", lockLeft)
        .Boolean("LockTop", lockTop)
        .Boolean("LockRight", lockRight)
        .Boolean("LockBottom", lockBottom)
        .Integer("TabPanelIndex", tabPanelIndex)
        .Integer("TabIndex", tabIndex);
}

} // namespace fw
