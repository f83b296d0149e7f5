#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "framework/core/ByteStrings.h"
#include "framework/core/Object.h"
#include "framework/core/Ref.h"

namespace fw {

class BinaryStream;
class Picture;

// A reference to a file or folder by its absolute path; the item need not
// exist. Opening never raises: it gives nil and remembers why (LastError).
class FolderItem : public Object {
public:
    explicit FolderItem(std::filesystem::path path);

    static Ref<FolderItem> FromPath(const std::string& path);

    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    String Name() const;
    std::string NativePath() const { return m_path.string(); }
    bool Exists() const;

    // The item `name` inside this folder, existing or not; nil for a name that
    // cannot be one entry ("", ".", "..", or one holding a "/").
    Ref<FolderItem> Child(const String& name) const;
    // The folder that holds this item; nil for the root.
    Ref<FolderItem> Parent() const;

    // A stream at offset 0 over the file, or nil for anything that is not a
    // readable regular file: missing, unreadable, a folder, a FIFO, a device.
    // Nothing is ever written, whatever `write` asks for.
    Ref<BinaryStream> OpenAsBinaryFile(bool write = false) const;

    // Picture files larger than this are refused before they are read.
    static constexpr std::int64_t kMaxPictureFileSize = std::int64_t { 64 } * 1024 * 1024;

    // The file's picture (PICT, or any format the installed fallback decoder
    // reads), or nil when it is missing, unreadable, too large, damaged or no
    // picture. Never throws.
    Ref<Picture> OpenAsPicture() const;

    // Why the last OpenAsBinaryFile or OpenAsPicture on this item gave nil,
    // for error reports.
    const std::string& LastError() const { return m_lastError; }

private:
    std::filesystem::path m_path;
    mutable std::string m_lastError;
};

} // namespace fw
