#include "framework/core/ApplicationBundle.h"

#include <filesystem>
#include <system_error>

#ifndef KARVELIO_APPLICATION_NAME
#error "the build passes the project name as KARVELIO_APPLICATION_NAME"
#endif

namespace fw {

namespace {

std::string& ExecutableOverride()
{
    static std::string path;
    return path;
}

} // namespace

String ApplicationName()
{
    return KARVELIO_APPLICATION_NAME;
}

Ref<FolderItem> ExecutableFile()
{
    if (!ExecutableOverride().empty()) {
        return FolderItem::FromPath(ExecutableOverride());
    }
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return nullptr;
    }
    return FolderItem::FromPath(path.string());
}

Ref<FolderItem> GetApplicationBundleResources()
{
    const Ref<FolderItem> executable = ExecutableFile();
    const Ref<FolderItem> bin = Deref(executable, "executable file").Parent();
    const Ref<FolderItem> top = Deref(bin, "folder of the executable").Parent();
    return Deref(top, "folder above the executable's").Child("Resources");
}

void SetExecutableFileOverride(const std::string& path)
{
    ExecutableOverride() = path;
}

} // namespace fw
