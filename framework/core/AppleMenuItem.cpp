#include "framework/core/AppleMenuItem.h"

namespace fw {

AppleMenuItem::AppleMenuItem() = default;

AppleMenuItem::~AppleMenuItem() = default;

} // namespace fw
