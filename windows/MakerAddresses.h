#pragma once

#include "framework/core/ByteStrings.h"

namespace karvelio {

// The maker's addresses, set once for the whole program by the build
// (KARVELIO_MAKER_WEB_PAGE, KARVELIO_MAKER_MAIL), so a packager can change
// them in one place.

// The web page as the about window shows it: without a trailing "/".
fw::String MakerWebPage();
// What every web link opens and the result window shows: the page with its "/".
fw::String MakerWebLink();
// The mail link, shown and opened as it stands: "mailto:" and the address.
fw::String MakerMailLink();

} // namespace karvelio
