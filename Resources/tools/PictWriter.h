#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "framework/core/Picture.h"

namespace karvelio::tools {

// Writes a picture as a PICT version 2 file: the 512-byte file header, the
// extended version 2 header at 72 dpi, and one DirectBitsRect of 32-bit
// pixels packed by component (pack type 4, four planes), the form that old Mac programs
// and ImageMagick both read. PICT has no alpha: pixels are flattened onto white.
std::string WritePict(const fw::Picture& picture);

// PackBits with runs of `unit` bytes (1, or 2 for 16-bit pixels).
std::string PackBits(std::span<const std::uint8_t> bytes, std::size_t unit = 1);

} // namespace karvelio::tools
