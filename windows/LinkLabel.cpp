#include "windows/LinkLabel.h"

namespace karvelio {

void ShowLinkHovered(const fw::Ref<fw::Label>& link)
{
    fw::Deref(link, "link label").SetTextColor(kLinkHovered);
}

void ShowLinkAtRest(const fw::Ref<fw::Label>& link)
{
    fw::Deref(link, "link label").SetTextColor(kLinkAtRest);
}

} // namespace karvelio
