#pragma once

#include "framework/core/Color.h"
#include "framework/core/Ref.h"
#include "framework/gui/Label.h"

namespace karvelio {

// The link labels of both windows: blue at rest (their design colour), red
// while the mouse is over them.
inline constexpr fw::Color kLinkAtRest{0, 0, 255};
inline constexpr fw::Color kLinkHovered{255, 0, 0};

// A nil label raises NilObjectException.
void ShowLinkHovered(const fw::Ref<fw::Label>& link);
void ShowLinkAtRest(const fw::Ref<fw::Label>& link);

} // namespace karvelio
