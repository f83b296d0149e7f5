#pragma once

#include <string_view>

#include <QImage>

#include "framework/core/Picture.h"
#include "framework/core/Ref.h"

namespace fw {

// Every picture format that Qt's image readers know (PNG, JPEG, BMP, GIF ...),
// for FolderItem::OpenAsPicture after the core's own PICT reader. Nil for
// bytes Qt cannot read or for an image larger than the framework allows.
Ref<Picture> DecodeWithQt(std::string_view bytes);

// Hands DecodeWithQt to the core as its fallback decoder; the application
// calls it once at start-up.
void InstallQtImageDecoder();

// The picture as Qt draws it: ARGB32, with every opaque white pixel made
// fully transparent when the picture's Transparent is 1.
QImage ToQImage(const Picture& picture);

// The image's pixels as a Picture (Transparent 0); nil for a null image.
Ref<Picture> PictureFromQImage(const QImage& image);

} // namespace fw
