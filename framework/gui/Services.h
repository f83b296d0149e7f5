#pragma once

#include <string_view>

#include "framework/core/ByteStrings.h"
#include "framework/core/FolderItem.h"
#include "framework/core/Ref.h"

namespace fw {

// Shows `text` in a modal message box; returns when it is dismissed.
void MsgBox(const String& text);

// Hands a web address or a mailto: link to the system.
void ShowURL(const String& url);

// Qt's open-file dialog, offering the files of the registered types that the
// filter names (type names joined by ";"). Nil when the user cancels.
Ref<FolderItem> GetOpenFolderItem(const String& filter);

// The name filter that dialog is given: "indd (*.indd)"; every file when the
// filter names no registered type.
String OpenDialogNameFilter(std::string_view filter);

} // namespace fw
