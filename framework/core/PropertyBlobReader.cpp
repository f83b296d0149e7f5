// Property blob: name, 0x20, value by the property's declared type; no header, no terminator.
#include "framework/core/PropertyBlobReader.h"

#include <cstdio>
#include <string>

#include "framework/core/PropertyBlobException.h"

namespace fw {

namespace {

constexpr std::size_t kShownNameLimit = 64;

// Names come from untrusted bytes: show them readably in messages.
std::string Printable(std::string_view bytes)
{
    std::string shown;
    for (std::size_t i = 0; i < bytes.size() && i < kShownNameLimit; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
        }
    }
    if (bytes.size() > kShownNameLimit) {
        shown += "...";
    }
    return shown;
}

std::uint32_t BigEndian32(std::string_view four)
{
    std::uint32_t value = 0;
    for (const char c : four) {
        value = (value << 8) | static_cast<unsigned char>(c);
    }
    return value;
}

} // namespace

PropertyBlobReader::PropertyBlobReader(const ClassRecord& record, std::string_view blob)
    : m_record(record), m_blob(blob)
{
}

void PropertyBlobReader::Fail(std::size_t offset, const std::string& reason) const
{
    std::string where = "property blob entry " + std::to_string(m_entryNumber);
    if (!m_entryName.empty()) {
        where += " (\"" + Printable(m_entryName) + "\")";
    }
    where += " at byte " + std::to_string(m_entryOffset);
    throw PropertyBlobException(m_entryNumber, offset,
                                where + ": " + reason + " (byte " + std::to_string(offset) + " of " +
                                    std::to_string(m_blob.size()) + ")");
}

std::string_view PropertyBlobReader::Take(std::size_t count, const char* what)
{
    const std::size_t left = m_blob.size() - m_position;
    if (count > left) {
        Fail(m_position, std::string(what) + " needs " + std::to_string(count) + " bytes, only " +
                             std::to_string(left) + " left");
    }
    const std::string_view bytes = m_blob.substr(m_position, count);
    m_position += count;
    return bytes;
}

PropertyValue PropertyBlobReader::ReadValue(PropertyType type)
{
    switch (type) {
    case PropertyType::Integer:
        return static_cast<std::int32_t>(BigEndian32(Take(4, "the integer value")));
    case PropertyType::Boolean: {
        const std::size_t at = m_position;
        const auto byte = static_cast<unsigned char>(Take(1, "the Boolean value")[0]);
        if (byte > 1) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%02X", byte);
            Fail(at, std::string("Boolean byte ") + hex + " is neither 00 nor 01");
        }
        return byte == 1;
    }
    case PropertyType::Colour: {
        const std::string_view rgb = Take(3, "the colour value");
        return Color{static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                     static_cast<std::uint8_t>(rgb[2])};
    }
    case PropertyType::Text: {
        const std::uint32_t length = BigEndian32(Take(4, "the string length"));
        return String(Take(length, "the string bytes"));
    }
    }
    Fail(m_position, "property of an unknown type");
}

PropertyBlobEntry PropertyBlobReader::Next()
{
    ++m_entryNumber;
    m_entryOffset = m_position;
    m_entryName.clear();
    const std::size_t space = m_blob.find(' ', m_position);
    if (space == std::string_view::npos) {
        m_entryName = String(m_blob.substr(m_position));
        Fail(m_blob.size(), "no space after the name");
    }
    m_entryName = String(m_blob.substr(m_position, space - m_position));
    if (m_entryName.empty()) {
        Fail(m_position, "empty property name");
    }
    const PropertyInfo* property = m_record.FindProperty(m_entryName);
    if (property == nullptr) {
        Fail(m_position, "no property of that name in class " + m_record.name + " or its ancestors");
    }
    m_position = space + 1;
    PropertyBlobEntry entry;
    entry.number = m_entryNumber;
    entry.offset = m_entryOffset;
    entry.name = m_entryName;
    entry.property = property;
    entry.value = ReadValue(property->type);
    return entry;
}

std::vector<PropertyBlobEntry> ReadPropertyBlob(const ClassRecord& record, std::string_view blob)
{
    PropertyBlobReader reader(record, blob);
    std::vector<PropertyBlobEntry> entries;
    while (!reader.AtEnd()) {
        entries.push_back(reader.Next());
    }
    return entries;
}

} // namespace fw
