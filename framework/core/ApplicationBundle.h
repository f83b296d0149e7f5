#pragma once

#include "framework/core/ByteStrings.h"
#include "framework/core/FolderItem.h"
#include "framework/core/Ref.h"

namespace fw {

// The application's name ("Karvelio"): the title of its application menu,
// of the window that shows its menu bar, and of its message boxes.
String ApplicationName();

// The running program's executable file (from /proc/self/exe), or nil when
// it cannot be told.
Ref<FolderItem> ExecutableFile();

// The folder "Resources" beside the executable's folder: the executable's
// parent's parent, child "Resources" (existing or not). Raises
// NilObjectException where the executable or one of the two parents is nil.
Ref<FolderItem> GetApplicationBundleResources();

// Tests point the program at a tree of their own; an empty path restores the
// real executable.
void SetExecutableFileOverride(const std::string& path);

} // namespace fw
