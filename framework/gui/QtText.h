#pragma once

#include <string_view>

#include <QString>

namespace fw {

// A framework string (UTF-8 bytes, may hold zero bytes) as Qt's text.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace fw
