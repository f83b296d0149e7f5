#include "Resources/PictureAccessors.h"

#include <array>
#include <utility>

#include "framework/core/ApplicationBundle.h"
#include "framework/core/FolderItem.h"

namespace karvelio {

namespace {

enum class Transparency { WhiteIsTransparent, Opaque };

// One accessor's load: fills `cache` once; an empty cache is tried again on
// the next call. Transparency is set only by the call that loaded the picture.
fw::Ref<fw::Picture> CachedPicture(fw::Ref<fw::Picture>& cache, const char* fileName, Transparency transparency)
{
    if (cache) {
        return cache;
    }
    if (const fw::Ref<fw::FolderItem> resources = fw::GetApplicationBundleResources()) {
        const fw::Ref<fw::FolderItem> file = resources->Child(fileName);
        cache = fw::Deref(file, fileName).OpenAsPicture();
    }
    if (cache && transparency == Transparency::WhiteIsTransparent) {
        cache->SetTransparent(1);
    }
    return cache;
}

} // namespace

#define KARVELIO_PICTURE_ACCESSOR(name, transparency)                                                      \
    fw::Ref<fw::Picture> name()                                                                             \
    {                                                                                                       \
        static fw::Ref<fw::Picture> pic;                                                                    \
        return CachedPicture(pic, #name ".pct", Transparency::transparency);                                \
    }

KARVELIO_PICTURE_ACCESSOR(cs, WhiteIsTransparent)
KARVELIO_PICTURE_ACCESSOR(cs2, WhiteIsTransparent)
KARVELIO_PICTURE_ACCESSOR(cs3, WhiteIsTransparent)
KARVELIO_PICTURE_ACCESSOR(cs4, WhiteIsTransparent)
KARVELIO_PICTURE_ACCESSOR(cs5, WhiteIsTransparent)
KARVELIO_PICTURE_ACCESSOR(cs55, WhiteIsTransparent)
KARVELIO_PICTURE_ACCESSOR(ind, WhiteIsTransparent)
KARVELIO_PICTURE_ACCESSOR(brelom, Opaque)

#undef KARVELIO_PICTURE_ACCESSOR

std::string_view PictureAccessorName(PictureAccessor accessor)
{
    static constexpr std::array<std::pair<PictureAccessor, std::string_view>, 8> kNames { {
        { cs, "cs" }, { cs2, "cs2" }, { cs3, "cs3" }, { cs4, "cs4" },
        { cs5, "cs5" }, { cs55, "cs55" }, { ind, "ind" }, { brelom, "brelom" },
    } };
    for (const auto& [candidate, name] : kNames) {
        if (candidate == accessor) {
            return name;
        }
    }
    return {};
}

} // namespace karvelio
