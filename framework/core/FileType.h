#pragma once

#include "framework/core/ByteStrings.h"
#include "framework/core/Object.h"
#include "framework/core/Ref.h"

namespace fw {

// A document type the program declares. It registers itself with the
// framework when first converted to a string (the conversion gives its Name),
// leaves the registry before any of its texts changes, and for good when it
// is destroyed, so the registry never describes a type that is not there.
class FileType : public Object {
public:
    FileType() = default;
    ~FileType() override;

    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    const String& Name() const { return m_name; }
    const String& Extensions() const { return m_extensions; }
    const String& MacType() const { return m_macType; }
    const String& MacCreator() const { return m_macCreator; }

    void SetName(const String& value);
    void SetExtensions(const String& value);
    void SetMacType(const String& value);
    void SetMacCreator(const String& value);

    bool IsRegistered() const { return m_registered; }
    void Register();
    void Deregister();

    // Registers the type (once) and gives its Name.
    operator String();

private:
    String m_name;
    String m_extensions;
    String m_macType;
    String m_macCreator;
    bool m_registered = false;
};

} // namespace fw
