#pragma once

#include <memory>

namespace fw {

// Root of the framework's object model. Objects live behind Ref (shared
// ownership); an object that needs a reference to itself uses shared_from_this().
class Object : public std::enable_shared_from_this<Object> {
public:
    Object() = default;
    virtual ~Object() = default;

    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
};

} // namespace fw
