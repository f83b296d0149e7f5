#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "framework/core/ClassRecord.h"
#include "framework/core/PropertyInfo.h"

namespace fw {

// One decoded entry of a property blob.
struct PropertyBlobEntry {
    std::size_t number = 0;     // from 1
    std::size_t offset = 0;     // byte offset of the entry's name
    String name;                // as the blob spells it
    const PropertyInfo* property = nullptr;
    PropertyValue value;
};

// Reads a property blob entry by entry: name, one space, the value in the
// encoding of the named property's type (integers big-endian, Booleans one
// byte 00/01, colours three bytes, strings a 4-byte big-endian length and the
// bytes). Names are matched among the properties of `record` and its
// ancestors, ignoring letter case. Anything else raises
// PropertyBlobException: nothing is read past the blob and no entry is
// skipped.
class PropertyBlobReader {
public:
    PropertyBlobReader(const ClassRecord& record, std::string_view blob);

    bool AtEnd() const { return m_position == m_blob.size(); }
    PropertyBlobEntry Next();

private:
    [[noreturn]] void Fail(std::size_t offset, const std::string& reason) const;
    std::string_view Take(std::size_t count, const char* what);
    PropertyValue ReadValue(PropertyType type);

    const ClassRecord& m_record;
    std::string_view m_blob;
    std::size_t m_position = 0;
    std::size_t m_entryNumber = 0;
    std::size_t m_entryOffset = 0;
    String m_entryName;
};

// Every entry of the blob, in order.
std::vector<PropertyBlobEntry> ReadPropertyBlob(const ClassRecord& record, std::string_view blob);

} // namespace fw
