#pragma once

#include "framework/core/CanvasDesign.h"
#include "framework/core/LabelDesign.h"
#include "framework/core/PushButtonDesign.h"
#include "framework/core/WindowDesign.h"

namespace karvelio {

// What a result window is before the analysis writes to it: the window's own
// design and its seven controls', in creation order (which is the tab order).
struct Window1Design {
    fw::WindowDesign window;
    fw::PushButtonDesign pushButton2;
    fw::LabelDesign staticText1;
    fw::LabelDesign staticText2;
    fw::CanvasDesign canvas1;
    fw::LabelDesign staticText3;
    fw::LabelDesign staticText4;
    fw::LabelDesign staticText5;

    static const Window1Design& Get();
};

} // namespace karvelio
