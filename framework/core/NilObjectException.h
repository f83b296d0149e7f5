#pragma once

#include <string>

#include "framework/core/RuntimeException.h"

namespace fw {

// Raised where a nil reference is used: a file that gave no stream, a control
// or window that is not there.
class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(const std::string& what)
        : RuntimeException("nil " + what)
    {
    }

    const char* ClassName() const override { return "NilObjectException"; }
};

} // namespace fw
