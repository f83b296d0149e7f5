#include "framework/core/FolderItem.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <fcntl.h>
#include <sys/stat.h>

#include "framework/core/BinaryStream.h"
#include "framework/core/ClassRegistry.h"
#include "framework/core/PictureDecoder.h"
#include "framework/core/UniqueFd.h"

namespace fw {

namespace {

std::filesystem::path Normalised(std::filesystem::path path)
{
    std::error_code ignored;
    path = std::filesystem::absolute(path, ignored).lexically_normal();
    if (path.has_relative_path() && !path.has_filename()) {
        path = path.parent_path(); // "/a/b/" names the same folder as "/a/b"
    }
    return path;
}

} // namespace

FolderItem::FolderItem(std::filesystem::path path)
    : m_path(Normalised(std::move(path)))
{
}

// No factory: a reference is always made for a path (FromPath).
const ClassRecord& FolderItem::Lookup()
{
    return RegisterClass("FolderItem", [] {
        ClassRecord record;
        record.name = "FolderItem";
        record.super = &Object::Lookup();
        return record;
    });
}

Ref<FolderItem> FolderItem::FromPath(const std::string& path)
{
    if (path.empty()) {
        return nullptr;
    }
    return New<FolderItem>(path);
}

String FolderItem::Name() const
{
    return m_path.filename().string();
}

bool FolderItem::Exists() const
{
    std::error_code ignored;
    return std::filesystem::exists(m_path, ignored);
}

Ref<FolderItem> FolderItem::Child(const String& name) const
{
    if (name.empty() || name == "." || name == ".." || name.find('/') != String::npos
        || name.find('\0') != String::npos) {
        return nullptr;
    }
    return New<FolderItem>(m_path / name);
}

Ref<FolderItem> FolderItem::Parent() const
{
    if (!m_path.has_relative_path()) {
        return nullptr;
    }
    return New<FolderItem>(m_path.parent_path());
}

Ref<BinaryStream> FolderItem::OpenAsBinaryFile(bool /*write*/) const
{
    // O_NONBLOCK so that opening a FIFO cannot wait for a writer; a regular
    // file ignores the flag.
    UniqueFd fd(::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.IsOpen()) {
        m_lastError = std::strerror(errno);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        m_lastError = std::strerror(errno);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        m_lastError = S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a regular file";
        return nullptr;
    }
    m_lastError.clear();
    return New<BinaryStream>(std::move(fd), static_cast<std::int64_t>(info.st_size));
}

Ref<Picture> FolderItem::OpenAsPicture() const
{
    const Ref<BinaryStream> stream = OpenAsBinaryFile();
    if (!stream) {
        return nullptr;
    }
    // Bounded before reading, so a huge file costs a stat, not its size in memory.
    if (stream->Length() > kMaxPictureFileSize) {
        m_lastError = "it is larger than a picture can be";
        return nullptr;
    }
    String bytes;
    try {
        bytes = stream->Read(kMaxPictureFileSize + 1);
    } catch (const std::bad_alloc&) {
        m_lastError = "there is not enough memory to read it";
        return nullptr;
    }
    if (static_cast<std::int64_t>(bytes.size()) > kMaxPictureFileSize) {
        m_lastError = "it grew larger than a picture can be while it was read";
        return nullptr;
    }
    Ref<Picture> picture = DecodePicture(bytes);
    if (!picture) {
        m_lastError = "it holds no picture that can be read";
    }
    return picture;
}

} // namespace fw
