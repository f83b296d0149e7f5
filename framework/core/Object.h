#pragma once

#include <memory>

namespace fw {

struct ClassRecord;

// Root of the framework's object model. Objects live behind Ref (shared
// ownership); an object that needs a reference to itself uses shared_from_this().
// Every class that takes part in casts, creation by record or property blobs
// gives itself a record: a static Lookup() that registers it once, and a
// Class() override that returns it.
class Object : public std::enable_shared_from_this<Object> {
public:
    Object() = default;
    virtual ~Object() = default;

    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    static const ClassRecord& Lookup();
    virtual const ClassRecord& Class() const;
};

} // namespace fw
