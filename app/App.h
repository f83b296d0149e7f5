#pragma once

#include "framework/core/AppleMenuItem.h"
#include "framework/core/MenuItem.h"
#include "framework/core/Ref.h"

namespace karvelio {

class Class1;

// The application object, as the framework has it registered: nil before
// start-up has registered it. Callers test it.
fw::Ref<Class1> App();

// The about item and the Open item of the application's menu bar, looked up
// by Name afresh on every call; NilObjectException when there is no
// application object or it has no menu bar.
fw::Ref<fw::AppleMenuItem> kono();
fw::Ref<fw::MenuItem> hiraku();

} // namespace karvelio
