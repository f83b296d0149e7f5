#include "analysis/UpdateRecorder.h"

#include <utility>

namespace karvelio {

UpdateRecorder::UpdateRecorder(fw::String initialSubVersion)
    : m_subVersion(std::move(initialSubVersion))
{
}

void UpdateRecorder::SetReleasePicture(PictureAccessor accessor)
{
    m_lines.push_back("picture " + std::string(PictureAccessorName(accessor)));
}

void UpdateRecorder::SetReleaseName(const fw::String& text)
{
    m_lines.push_back("name " + text);
}

void UpdateRecorder::SetEdition(const fw::String& text)
{
    m_lines.push_back("edition " + text);
}

void UpdateRecorder::SetSubVersion(const fw::String& text)
{
    m_subVersion = text;
    m_lines.push_back("subversion " + text);
}

fw::String UpdateRecorder::GetSubVersion()
{
    return m_subVersion;
}

} // namespace karvelio
