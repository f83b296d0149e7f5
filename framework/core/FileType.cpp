#include "framework/core/FileType.h"

#include "framework/core/ClassRegistry.h"
#include "framework/core/FileTypeRegistry.h"

namespace fw {

const ClassRecord& FileType::Lookup()
{
    return RegisterClass("FileType", [] {
        ClassRecord record;
        record.name = "FileType";
        record.super = &Object::Lookup();
        record.factory = FactoryOf<FileType>();
        return record;
    });
}

FileType::~FileType()
{
    Deregister();
}

void FileType::SetName(const String& value)
{
    Deregister();
    m_name = value;
}

void FileType::SetExtensions(const String& value)
{
    Deregister();
    m_extensions = value;
}

void FileType::SetMacType(const String& value)
{
    Deregister();
    m_macType = value;
}

void FileType::SetMacCreator(const String& value)
{
    Deregister();
    m_macCreator = value;
}

void FileType::Register()
{
    if (!m_registered) {
        RuntimeRegisterFileType(m_name, m_macCreator, m_macType, m_extensions);
        m_registered = true;
    }
}

void FileType::Deregister()
{
    if (m_registered) {
        RuntimeDeregisterFileType(m_name);
        m_registered = false;
    }
}

FileType::operator String()
{
    Register();
    return m_name;
}

} // namespace fw
