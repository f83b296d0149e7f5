#pragma once

#include "framework/core/FileType.h"
#include "framework/core/Ref.h"

// The document type the program declares: "indd" files, offered by the open
// dialog of both document commands. Declared once at start-up, released at
// shut-down.
namespace karvelio::FileTypes {

// The declaration; nil before start-up and after shut-down.
extern fw::Ref<fw::FileType> pIndd;

// Fills a new declaration and registers it, once, with all four values in
// place. An exception passes to start-up with nothing left registered.
void Initialize();

// Shut-down's release: the declaration goes, and with it its registration.
void ExitIndd();

} // namespace karvelio::FileTypes
