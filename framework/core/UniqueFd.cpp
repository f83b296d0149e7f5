#include "framework/core/UniqueFd.h"

#include <unistd.h>

namespace fw {

void UniqueFd::Reset()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace fw
