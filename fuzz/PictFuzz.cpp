// Feeds arbitrary bytes to the PICT reader. Any result is fine as long as the
// reader neither crashes nor hands back a picture outside its own limits.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/core/PictReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const fw::Ref<fw::Picture> picture = fw::PictReader::Read(bytes);
    if (picture
        && (picture->Width() <= 0 || picture->Height() <= 0 || picture->Width() > fw::PictReader::kMaxDimension
            || picture->Height() > fw::PictReader::kMaxDimension)) {
        std::abort();
    }
    return 0;
}
