#include "framework/core/RuntimeException.h"

namespace fw {

RuntimeException::RuntimeException(const std::string& message)
    : std::runtime_error(message)
{
}

// Out of line so the vtable has one home.
RuntimeException::~RuntimeException() = default;

} // namespace fw
