#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "framework/core/ByteStrings.h"

namespace fw {

// What the framework knows of one document type declared to it.
struct RegisteredFileType {
    String name;
    String macCreator;
    String macType;
    String extensions; // ";"-separated, each with or without its leading "."

    friend bool operator==(const RegisteredFileType&, const RegisteredFileType&) = default;
};

// Declares a type; a type of the same name is replaced, not doubled.
void RuntimeRegisterFileType(const String& name, const String& macCreator, const String& macType,
                             const String& extensions);

// Withdraws the type of that name; an unknown name changes nothing.
void RuntimeDeregisterFileType(const String& name);

// Told of each declaration (true) and each withdrawal (false) as it
// happens, so a caller can see how often and with which values a type was
// declared; a withdrawal carries the name only. Empty for none.
using FileTypeRegistryObserver = std::function<void(bool declared, const RegisteredFileType& type)>;
void SetFileTypeRegistryObserver(FileTypeRegistryObserver observer);

// The declared types, in declaration order.
std::vector<RegisteredFileType> RegisteredFileTypes();

// The file-name patterns ("*.indd") of the registered types that a filter
// text names; the filter is type names joined by ";". Unknown names add
// nothing.
std::vector<String> FileTypeFilterPatterns(std::string_view filter);

} // namespace fw
