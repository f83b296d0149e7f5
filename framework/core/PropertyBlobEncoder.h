#pragma once

#include <cstdint>
#include <string_view>

#include "framework/core/ByteStrings.h"
#include "framework/core/Color.h"

namespace fw {

// Builds property blobs the way the program's constants are laid out; tests,
// fuzz seeds and hand-made windows use it.
class PropertyBlobEncoder {
public:
    PropertyBlobEncoder& Integer(std::string_view name, std::int32_t value);
    PropertyBlobEncoder& Boolean(std::string_view name, bool value);
    PropertyBlobEncoder& Colour(std::string_view name, Color value);
    PropertyBlobEncoder& Text(std::string_view name, std::string_view value);
    // Bytes as they stand, for blobs that are meant to be broken.
    PropertyBlobEncoder& Raw(std::string_view bytes);

    const String& Bytes() const { return m_bytes; }

private:
    void Name(std::string_view name);
    void BigEndian(std::uint32_t value);

    String m_bytes;
};

} // namespace fw
