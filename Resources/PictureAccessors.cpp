#include "Resources/PictureAccessors.h"

#include <array>
#include <string>
#include <utility>

#include "framework/core/ApplicationBundle.h"
#include "framework/core/FolderItem.h"

namespace karvelio {

namespace {

enum class Transparency { WhiteIsTransparent, Opaque };

// A cache that lives to the end of the run and is never destroyed, not even
// at exit: no window torn down after static destruction can find its picture
// gone.
fw::Ref<fw::Picture>& NewCache()
{
    return *new fw::Ref<fw::Picture>();
}

// One accessor's load: fills `cache` once; an empty cache is tried again on
// the next call. Transparency is set only by the call that loaded the picture.
fw::Ref<fw::Picture> CachedPicture(fw::Ref<fw::Picture>& cache, const char* fileName, Transparency transparency)
{
    if (cache) {
        return cache;
    }
    if (const fw::Ref<fw::FolderItem> resources = fw::GetApplicationBundleResources()) {
        const fw::Ref<fw::FolderItem> file = resources->Child(fileName);
        if (!file) {
            throw fw::NilObjectException(std::string("item \"") + fileName + "\" of the Resources folder "
                                         + resources->NativePath());
        }
        cache = file->OpenAsPicture();
    }
    if (cache && transparency == Transparency::WhiteIsTransparent) {
        cache->SetTransparent(1);
    }
    return cache;
}

} // namespace

fw::Ref<fw::Picture> cs()
{
    static fw::Ref<fw::Picture>& pic = NewCache();
    return CachedPicture(pic, "cs.pct", Transparency::WhiteIsTransparent);
}

fw::Ref<fw::Picture> cs2()
{
    static fw::Ref<fw::Picture>& pic = NewCache();
    return CachedPicture(pic, "cs2.pct", Transparency::WhiteIsTransparent);
}

fw::Ref<fw::Picture> cs3()
{
    static fw::Ref<fw::Picture>& pic = NewCache();
    return CachedPicture(pic, "cs3.pct", Transparency::WhiteIsTransparent);
}

fw::Ref<fw::Picture> cs4()
{
    static fw::Ref<fw::Picture>& pic = NewCache();
    return CachedPicture(pic, "cs4.pct", Transparency::WhiteIsTransparent);
}

fw::Ref<fw::Picture> cs5()
{
    static fw::Ref<fw::Picture>& pic = NewCache();
    return CachedPicture(pic, "cs5.pct", Transparency::WhiteIsTransparent);
}

fw::Ref<fw::Picture> cs55()
{
    static fw::Ref<fw::Picture>& pic = NewCache();
    return CachedPicture(pic, "cs55.pct", Transparency::WhiteIsTransparent);
}

fw::Ref<fw::Picture> ind()
{
    static fw::Ref<fw::Picture>& pic = NewCache();
    return CachedPicture(pic, "ind.pct", Transparency::WhiteIsTransparent);
}

fw::Ref<fw::Picture> brelom()
{
    static fw::Ref<fw::Picture>& pic = NewCache();
    return CachedPicture(pic, "brelom.pct", Transparency::Opaque);
}

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
