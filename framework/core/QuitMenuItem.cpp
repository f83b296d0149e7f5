#include "framework/core/QuitMenuItem.h"

namespace fw {

QuitMenuItem::QuitMenuItem() = default;

QuitMenuItem::~QuitMenuItem() = default;

} // namespace fw
