#include "framework/core/PropertyBlobEncoder.h"

namespace fw {

void PropertyBlobEncoder::Name(std::string_view name)
{
    m_bytes.append(name);
    m_bytes.push_back(' ');
}

void PropertyBlobEncoder::BigEndian(std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        m_bytes.push_back(static_cast<char>((value >> shift) & 0xFFu));
    }
}

PropertyBlobEncoder& PropertyBlobEncoder::Integer(std::string_view name, std::int32_t value)
{
    Name(name);
    BigEndian(static_cast<std::uint32_t>(value));
    return *this;
}

PropertyBlobEncoder& PropertyBlobEncoder::Boolean(std::string_view name, bool value)
{
    Name(name);
    m_bytes.push_back(value ? '\x01' : '\x00');
    return *this;
}

PropertyBlobEncoder& PropertyBlobEncoder::Colour(std::string_view name, Color value)
{
    Name(name);
    m_bytes.push_back(static_cast<char>(value.red));
    m_bytes.push_back(static_cast<char>(value.green));
    m_bytes.push_back(static_cast<char>(value.blue));
    return *this;
}

PropertyBlobEncoder& PropertyBlobEncoder::Text(std::string_view name, std::string_view value)
{
    Name(name);
    BigEndian(static_cast<std::uint32_t>(value.size()));
    m_bytes.append(value);
    return *this;
}

PropertyBlobEncoder& PropertyBlobEncoder::Raw(std::string_view bytes)
{
    m_bytes.append(bytes);
    return *this;
}

} // namespace fw
