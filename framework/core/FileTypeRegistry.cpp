#include "framework/core/FileTypeRegistry.h"

#include "framework/core/NeverDestroyed.h"

#include <algorithm>
#include <utility>

namespace fw {

namespace {

struct Registry {
    std::vector<RegisteredFileType> types;
    FileTypeRegistryObserver observer;
};

// Never destroyed: the program keeps its file types at namespace scope, and
// each withdraws itself from here when it goes.
Registry& TheRegistry()
{
    return NeverDestroyed<Registry>();
}

std::vector<RegisteredFileType>& Types()
{
    return TheRegistry().types;
}

std::vector<String> Split(std::string_view text, char separator)
{
    std::vector<String> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

FileTypeRegistryObserver& Observer()
{
    return TheRegistry().observer;
}

void Tell(bool declared, const RegisteredFileType& type)
{
    if (Observer()) {
        Observer()(declared, type);
    }
}

String Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return String(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

} // namespace

void RuntimeRegisterFileType(const String& name, const String& macCreator, const String& macType,
                             const String& extensions)
{
    RuntimeDeregisterFileType(name);
    const RegisteredFileType declared{name, macCreator, macType, extensions};
    Types().push_back(declared);
    Tell(true, declared);
}

void RuntimeDeregisterFileType(const String& name)
{
    auto& types = Types();
    if (std::erase_if(types, [&](const RegisteredFileType& type) { return type.name == name; }) > 0) {
        Tell(false, RegisteredFileType{name, {}, {}, {}});
    }
}

void SetFileTypeRegistryObserver(FileTypeRegistryObserver observer)
{
    Observer() = std::move(observer);
}

std::vector<RegisteredFileType> RegisteredFileTypes()
{
    return Types();
}

std::vector<String> FileTypeFilterPatterns(std::string_view filter)
{
    std::vector<String> patterns;
    for (const String& typeName : Split(filter, ';')) {
        const String wanted = Trimmed(typeName);
        for (const RegisteredFileType& type : Types()) {
            if (type.name != wanted) {
                continue;
            }
            for (const String& extension : Split(type.extensions, ';')) {
                String bare = Trimmed(extension);
                if (!bare.empty() && bare.front() == '.') {
                    bare.erase(0, 1);
                }
                const String pattern = "*." + bare;
                if (!bare.empty() && std::find(patterns.begin(), patterns.end(), pattern) == patterns.end()) {
                    patterns.push_back(pattern);
                }
            }
        }
    }
    return patterns;
}

} // namespace fw
