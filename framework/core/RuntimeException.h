#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// Base class of every run-time error the framework raises. Program code
// catches it (and only it) where it recovers; ClassName() is what reports show.
class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message);
    ~RuntimeException() override;

    RuntimeException(const RuntimeException&) = default;
    RuntimeException& operator=(const RuntimeException&) = default;

    std::string Message() const { return what(); }
    virtual const char* ClassName() const { return "RuntimeException"; }
};

} // namespace fw
