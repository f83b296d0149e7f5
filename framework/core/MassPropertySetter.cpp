#include "framework/core/MassPropertySetter.h"

#include "framework/core/ClassRecord.h"
#include "framework/core/PropertyBlobReader.h"

namespace fw {

void RuntimeMassPropertySetter(Object& object, std::string_view blob)
{
    PropertyBlobReader reader(object.Class(), blob);
    while (!reader.AtEnd()) {
        const PropertyBlobEntry entry = reader.Next();
        entry.property->setter(object, entry.value);
    }
}

void SetProperties(const Ref<Object>& object, std::string_view blob)
{
    RuntimeMassPropertySetter(Deref(object, "object for a property blob"), blob);
}

} // namespace fw
