#pragma once

#include <string_view>

#include "framework/core/Picture.h"
#include "framework/core/Ref.h"

namespace karvelio {

// Each picture of the program is reached through its own accessor, which
// loads "<name>.pct" from the Resources folder on first use and keeps it for
// the rest of the run. A failed load gives nil and is tried again next time.
using PictureAccessor = fw::Ref<fw::Picture> (*)();

// Release badges, 64 by 64, drawn with white as transparent.
fw::Ref<fw::Picture> cs();
fw::Ref<fw::Picture> cs2();
fw::Ref<fw::Picture> cs3();
fw::Ref<fw::Picture> cs4();
fw::Ref<fw::Picture> cs5();
fw::Ref<fw::Picture> cs55();
fw::Ref<fw::Picture> ind();
// The maker's logo, 170 by 65, drawn as it is.
fw::Ref<fw::Picture> brelom();

// Tests only: every accessor's cache empty again, as at the start of a run,
// so that tests in one process do not see each other's pictures.
void ForgetPicturesForTests();

// The accessor's own name ("cs55"), for traces and test output; "" for a
// function that is none of them.
std::string_view PictureAccessorName(PictureAccessor accessor);

} // namespace karvelio
