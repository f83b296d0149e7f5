#include "app/FileTypes.h"

#include "framework/core/ByteStrings.h"
#include "framework/core/ClassRegistry.h"

namespace karvelio::FileTypes {

fw::Ref<fw::FileType> pIndd;

void Initialize()
{
    pIndd = fw::RuntimeCheckCast<fw::FileType>(fw::RuntimeNewObject(fw::FileType::Lookup()));
    fw::FileType& type = fw::Deref(pIndd, "FileTypes.pIndd");
    // Each setter withdraws a registered type first; this one is new, so all
    // four values are in place when the conversion registers it.
    type.SetName("indd");
    type.SetExtensions(".indd");
    type.SetMacType("????");
    type.SetMacCreator("InDn");
    [[maybe_unused]] const fw::String name = type;
}

void ExitIndd()
{
    pIndd = nullptr;
}

} // namespace karvelio::FileTypes
