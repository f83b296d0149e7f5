#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace karvelio::testing {

// Builds synthetic layout documents byte by byte: the header's byte-order
// flag, version and minor version, and from offset 53248 on the chunks that
// the scan reads, with a marker and fields placed where a test wants them.
// Everything not placed is zero.
class DocumentBuilder {
public:
    enum class ByteOrder { Big, Little };

    static constexpr std::size_t kDataStart = 53248;
    static constexpr std::size_t kChunkSize = 4096;

    explicit DocumentBuilder(ByteOrder order);

    static std::string LaterReleaseMarker(ByteOrder order);
    static std::string Version3Marker(ByteOrder order);
    static std::string Delimiter(ByteOrder order);
    // How many bytes after the edition byte close the field before the last.
    static std::size_t EditionTail(ByteOrder order);

    // Offset of byte `offset` of chunk `chunk` (both from 0).
    static std::size_t ChunkOffset(std::size_t chunk, std::size_t offset = 0);

    DocumentBuilder& FlagByte(std::uint8_t flag);
    DocumentBuilder& Version(std::uint8_t version);
    DocumentBuilder& MinorVersion(std::uint8_t minor);
    DocumentBuilder& Size(std::size_t size);
    DocumentBuilder& Put(std::size_t offset, std::string_view bytes);

    // At `offset`: `marker`, some filler, `editionByte` closing its field as
    // the branch expects, the delimiter, then `subVersion` and a zero byte.
    DocumentBuilder& MarkerWithFields(std::size_t offset, std::string_view marker, std::uint8_t editionByte,
                                      std::string_view subVersion);

    const std::string& Bytes() const { return m_bytes; }

private:
    ByteOrder m_order;
    std::string m_bytes;
};

} // namespace karvelio::testing
