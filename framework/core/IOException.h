#pragma once

#include <string>

#include "framework/core/RuntimeException.h"

namespace fw {

// A failed file operation, raised only where a caller asks for errors to be
// reported rather than absorbed.
class IOException : public RuntimeException {
public:
    explicit IOException(const std::string& message)
        : RuntimeException(message)
    {
    }

    const char* ClassName() const override { return "IOException"; }
};

} // namespace fw
