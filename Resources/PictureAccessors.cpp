#include "Resources/PictureAccessors.h"

#include <array>
#include <string>
#include <utility>

#include "framework/core/ApplicationBundle.h"
#include "framework/core/FolderItem.h"
#include "framework/core/NeverDestroyed.h"

namespace karvelio {

namespace {

enum class Transparency { WhiteIsTransparent, Opaque };

// The family, in the order of its caches.
enum Member : std::size_t { kCs, kCs2, kCs3, kCs4, kCs5, kCs55, kInd, kBrelom, kMemberCount };

struct MemberFile {
    const char* name;
    Transparency transparency;
};

constexpr std::array<MemberFile, kMemberCount> kFiles { {
    { "cs.pct", Transparency::WhiteIsTransparent },
    { "cs2.pct", Transparency::WhiteIsTransparent },
    { "cs3.pct", Transparency::WhiteIsTransparent },
    { "cs4.pct", Transparency::WhiteIsTransparent },
    { "cs5.pct", Transparency::WhiteIsTransparent },
    { "cs55.pct", Transparency::WhiteIsTransparent },
    { "ind.pct", Transparency::WhiteIsTransparent },
    { "brelom.pct", Transparency::Opaque },
} };

// Each accessor's cache lives to the end of the run and is never destroyed,
// not even at exit: no window torn down after static destruction can find
// its picture gone.
using Caches = std::array<fw::Ref<fw::Picture>, kMemberCount>;

Caches& AllCaches()
{
    return fw::NeverDestroyed<Caches>();
}

// One accessor's load: fills its cache once; an empty cache is tried again on
// the next call. Transparency is set only by the call that loaded the picture.
fw::Ref<fw::Picture> CachedPicture(Member member)
{
    fw::Ref<fw::Picture>& cache = AllCaches()[member];
    if (cache) {
        return cache;
    }
    const MemberFile& file = kFiles[member];
    if (const fw::Ref<fw::FolderItem> resources = fw::GetApplicationBundleResources()) {
        const fw::Ref<fw::FolderItem> item = resources->Child(file.name);
        if (!item) {
            throw fw::NilObjectException(std::string("item \"") + file.name + "\" of the Resources folder "
                                         + resources->NativePath());
        }
        cache = item->OpenAsPicture();
    }
    if (cache && file.transparency == Transparency::WhiteIsTransparent) {
        cache->SetTransparent(1);
    }
    return cache;
}

} // namespace

fw::Ref<fw::Picture> cs()
{
    return CachedPicture(kCs);
}

fw::Ref<fw::Picture> cs2()
{
    return CachedPicture(kCs2);
}

fw::Ref<fw::Picture> cs3()
{
    return CachedPicture(kCs3);
}

fw::Ref<fw::Picture> cs4()
{
    return CachedPicture(kCs4);
}

fw::Ref<fw::Picture> cs5()
{
    return CachedPicture(kCs5);
}

fw::Ref<fw::Picture> cs55()
{
    return CachedPicture(kCs55);
}

fw::Ref<fw::Picture> ind()
{
    return CachedPicture(kInd);
}

fw::Ref<fw::Picture> brelom()
{
    return CachedPicture(kBrelom);
}

void ForgetPicturesForTests()
{
    AllCaches() = {};
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
