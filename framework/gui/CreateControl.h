#pragma once

#include <initializer_list>

#include "framework/core/CanvasDesign.h"
#include "framework/core/LabelDesign.h"
#include "framework/core/MassPropertySetter.h"
#include "framework/core/Picture.h"
#include "framework/core/PushButtonDesign.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/EventHookup.h"
#include "framework/gui/Label.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/Window.h"

namespace fw {

// Creating a window's control from its design, the steps in their fixed
// order: made by the window, constructed, added under its name; text size
// and unit (buttons and labels) or backdrop (canvases); its blob; its event
// hook-ups, each a method of the window's own class table bound weakly.
// After it has been added, each step finds the control again by its name.
// W is the window's class (a Subclass with a table).

namespace detail {

template <class C, class W, class Design, class BeforeBlob>
void MakeControl(W& window, const Design& design, BeforeBlob beforeBlob, std::initializer_list<EventHookup> hookups)
{
    const String& name = design.place.name;
    {
        const Ref<C> control = window.template New<C>();
        Deref(control, "new control").Constructor();
        window.AddControl(name, control);
    }
    beforeBlob(Deref(window.template ControlAs<C>(name), ("control " + name).c_str()));
    SetProperties(window.ControlByName(name), design.Encode());
    const Ref<W> self = std::static_pointer_cast<W>(window.shared_from_this());
    for (const EventHookup& hookup : hookups) {
        HookUp(self, window.template ControlAs<C>(name), hookup);
    }
}

inline void SetTextSizeAndUnit(TextControl& control, float size)
{
    control.SetTextSize(size);
    control.SetTextUnit(FontUnits::Default);
}

} // namespace detail

template <class W>
void CreateControl(W& window, const LabelDesign& design, std::initializer_list<EventHookup> hookups = {})
{
    detail::MakeControl<Label>(window, design, [&](Label& label) { detail::SetTextSizeAndUnit(label, design.textSize); },
                               hookups);
}

template <class W>
void CreateControl(W& window, const PushButtonDesign& design, std::initializer_list<EventHookup> hookups = {})
{
    detail::MakeControl<PushButton>(
        window, design, [&](PushButton& button) { detail::SetTextSizeAndUnit(button, design.textSize); }, hookups);
}

// A canvas; `backdrop`, when given, is called for the picture it shows,
// before the blob is applied.
template <class W>
void CreateControl(W& window, const CanvasDesign& design, Ref<Picture> (*backdrop)() = nullptr)
{
    detail::MakeControl<Canvas>(
        window, design,
        [&](Canvas& canvas) {
            if (backdrop != nullptr) {
                canvas.SetBackdrop(backdrop());
            }
        },
        {});
}

} // namespace fw
