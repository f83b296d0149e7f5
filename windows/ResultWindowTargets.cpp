#include "windows/ResultWindowTargets.h"

#include "windows/Window1.h"

namespace karvelio {

namespace {

template <class T>
T& Fetched(const fw::Ref<T>& control, const char* name)
{
    return fw::Deref(control, (std::string("control ") + name + " of the result window").c_str());
}

} // namespace

ResultWindowTargets::ResultWindowTargets(const Window1& window)
    : m_window(window)
{
}

void ResultWindowTargets::SetReleasePicture(PictureAccessor accessor)
{
    Fetched(m_window.Canvas1(), "Canvas1").SetBackdrop(accessor());
}

void ResultWindowTargets::SetReleaseName(const fw::String& text)
{
    Fetched(m_window.StaticText2(), "StaticText2").SetText(text);
}

void ResultWindowTargets::SetEdition(const fw::String& text)
{
    Fetched(m_window.StaticText3(), "StaticText3").SetText(text);
}

void ResultWindowTargets::SetSubVersion(const fw::String& text)
{
    Fetched(m_window.StaticText5(), "StaticText5").SetText(text);
}

fw::String ResultWindowTargets::GetSubVersion()
{
    return Fetched(m_window.StaticText5(), "StaticText5").Text();
}

} // namespace karvelio
