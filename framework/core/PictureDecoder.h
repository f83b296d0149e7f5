#pragma once

#include <functional>
#include <string_view>

#include "framework/core/Picture.h"
#include "framework/core/Ref.h"

namespace fw {

// The core reads PICT itself; every other format goes to a decoder that the
// GUI half installs (Qt's image readers), so the core stays free of Qt.
using PictureDecoder = std::function<Ref<Picture>(std::string_view bytes)>;

// Replaces the decoder for formats other than PICT; an empty function
// removes it.
void SetFallbackPictureDecoder(PictureDecoder decoder);

// The picture the bytes hold: PICT first, then the fallback decoder. Nil for
// anything neither can read; never throws.
Ref<Picture> DecodePicture(std::string_view bytes);

} // namespace fw
