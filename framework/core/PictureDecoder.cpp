#include "framework/core/PictureDecoder.h"

#include <utility>

#include "framework/core/PictReader.h"

namespace fw {

namespace {

PictureDecoder& Fallback()
{
    static PictureDecoder decoder;
    return decoder;
}

} // namespace

void SetFallbackPictureDecoder(PictureDecoder decoder)
{
    Fallback() = std::move(decoder);
}

Ref<Picture> DecodePicture(std::string_view bytes)
{
    try {
        if (Ref<Picture> picture = PictReader::Read(bytes)) {
            return picture;
        }
        if (Fallback()) {
            return Fallback()(bytes);
        }
    } catch (...) {
        // A decoder that fails in any way has simply found no picture; a
        // caller of OpenAsPicture only ever sees nil.
    }
    return nullptr;
}

} // namespace fw
