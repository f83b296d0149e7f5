// Feeds arbitrary bytes to the property blob applier, as the blob of an
// object with one property of each value type under a class with an
// ancestor. Any outcome but a PropertyBlobException or success is a fault.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/core/ClassRegistry.h"
#include "framework/core/MassPropertySetter.h"
#include "framework/core/PropertyBlobException.h"

namespace {

class FuzzBase : public fw::Object {
public:
    static const fw::ClassRecord& Lookup()
    {
        return fw::RegisterClass("FuzzBase", [] {
            fw::ClassRecord record;
            record.name = "FuzzBase";
            record.super = &fw::Object::Lookup();
            record.properties = {fw::TextProperty("Name", &FuzzBase::SetName),
                                 fw::IntegerProperty("Index", &FuzzBase::SetIndex)};
            return record;
        });
    }
    const fw::ClassRecord& Class() const override { return Lookup(); }
    void SetName(const fw::String& value) { name = value; }
    void SetIndex(std::int32_t value) { index = value; }
    fw::String name;
    std::int32_t index = 0;
};

class FuzzThing : public FuzzBase {
public:
    static const fw::ClassRecord& Lookup()
    {
        return fw::RegisterClass("FuzzThing", [] {
            fw::ClassRecord record;
            record.name = "FuzzThing";
            record.super = &FuzzBase::Lookup();
            record.properties = {fw::BooleanProperty("Visible", &FuzzThing::SetVisible),
                                 fw::ColourProperty("BackColor", &FuzzThing::SetBackColor)};
            return record;
        });
    }
    const fw::ClassRecord& Class() const override { return Lookup(); }
    void SetVisible(bool value) { visible = value; }
    void SetBackColor(fw::Color value) { colour = value; }
    bool visible = false;
    fw::Color colour;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzThing thing;
    try {
        fw::RuntimeMassPropertySetter(thing, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const fw::PropertyBlobException&) {
        // A malformed blob is a reported outcome, not a fault.
    }
    return 0;
}
