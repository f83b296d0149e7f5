#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace fw {

// Apple PackBits run-length decoding, as QuickDraw pictures use it. A flag
// byte n of 0..127 copies the next n + 1 units, 129..255 repeats the next unit
// 257 - n times, 128 does nothing. A unit is one byte, or two for 16-bit
// pixels (pack type 3).
//
// Fills `out` exactly from exactly all of `packed`; false when the runs end
// short, overrun `out`, or run past the input. `out` may be partly written
// then.
bool UnpackBits(std::string_view packed, std::span<std::uint8_t> out, std::size_t unit = 1);

} // namespace fw
