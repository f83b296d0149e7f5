#pragma once

#include "framework/core/CanvasDesign.h"
#include "framework/core/LabelDesign.h"
#include "framework/core/PushButtonDesign.h"
#include "framework/core/WindowDesign.h"

namespace karvelio {

// What an about window is before it opens: the window's own design and its
// six controls', in creation order (which is the tab order). The logo is no
// part of it: the canvas gets it from its accessor when it is made.
struct Window2Design {
    fw::WindowDesign window;
    fw::PushButtonDesign pushButton1;
    fw::LabelDesign staticText1;
    fw::CanvasDesign canvas1;
    fw::LabelDesign staticText2;
    fw::LabelDesign staticText3;
    fw::LabelDesign staticText5;

    static const Window2Design& Get();
};

} // namespace karvelio
