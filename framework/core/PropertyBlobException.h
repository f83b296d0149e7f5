#pragma once

#include <cstddef>
#include <string>

#include "framework/core/RuntimeException.h"

namespace fw {

// A property blob that cannot be applied. The message names the entry (its
// number from 1 and, where it could be read, its name) and the byte offset
// where the fault lies, so a broken blob is found without a debugger.
class PropertyBlobException : public RuntimeException {
public:
    PropertyBlobException(std::size_t entry, std::size_t offset, const std::string& message)
        : RuntimeException(message), m_entry(entry), m_offset(offset)
    {
    }

    const char* ClassName() const override { return "PropertyBlobException"; }

    std::size_t Entry() const { return m_entry; }
    std::size_t Offset() const { return m_offset; }

private:
    std::size_t m_entry;
    std::size_t m_offset;
};

} // namespace fw
