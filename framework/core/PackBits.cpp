#include "framework/core/PackBits.h"

#include <algorithm>

namespace fw {

bool UnpackBits(std::string_view packed, std::span<std::uint8_t> out, std::size_t unit)
{
    std::size_t in = 0;
    std::size_t written = 0;
    while (in < packed.size()) {
        const auto flag = static_cast<std::uint8_t>(packed[in++]);
        if (flag == 128) {
            continue;
        }
        const bool literal = flag < 128;
        const std::size_t units = literal ? flag + 1u : 257u - flag;
        const std::size_t sourceBytes = literal ? units * unit : unit;
        const std::size_t outBytes = units * unit;
        if (sourceBytes > packed.size() - in || outBytes > out.size() - written) {
            return false;
        }
        const auto* source = reinterpret_cast<const std::uint8_t*>(packed.data() + in);
        if (literal) {
            std::copy_n(source, outBytes, out.begin() + static_cast<std::ptrdiff_t>(written));
        } else {
            for (std::size_t i = 0; i < units; ++i) {
                std::copy_n(source, unit, out.begin() + static_cast<std::ptrdiff_t>(written + i * unit));
            }
        }
        in += sourceBytes;
        written += outBytes;
    }
    return written == out.size();
}

} // namespace fw
