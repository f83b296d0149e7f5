#include "windows/MakerAddresses.h"

#if !defined(KARVELIO_MAKER_WEB_PAGE) || !defined(KARVELIO_MAKER_MAIL)
#error "the build passes the maker's addresses as KARVELIO_MAKER_WEB_PAGE and KARVELIO_MAKER_MAIL"
#endif

namespace karvelio {

fw::String MakerWebPage()
{
    return KARVELIO_MAKER_WEB_PAGE;
}

fw::String MakerWebLink()
{
    return MakerWebPage() + "/";
}

fw::String MakerMailLink()
{
    return fw::String("mailto:") + KARVELIO_MAKER_MAIL;
}

} // namespace karvelio
