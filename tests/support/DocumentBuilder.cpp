#include "tests/support/DocumentBuilder.h"

namespace karvelio::testing {

namespace {

constexpr std::size_t kFlagOffset = 24;

std::string Codes(std::initializer_list<int> codes)
{
    std::string out;
    for (const int code : codes) {
        out += static_cast<char>(static_cast<unsigned char>(code));
    }
    return out;
}

} // namespace

DocumentBuilder::DocumentBuilder(ByteOrder order)
    : m_order(order)
    , m_bytes(kDataStart + kChunkSize, '\0')
{
    FlagByte(order == ByteOrder::Big ? 2 : 1);
}

std::string DocumentBuilder::LaterReleaseMarker(ByteOrder order)
{
    return order == ByteOrder::Big ? Codes({ 0x4E, 0x0D, 0x66, 0x0E, 0x30, 0x6A, 0x30 })
                                   : Codes({ 0x4E, 0x0E, 0x66, 0x6A, 0x30, 0xE6, 0x30 });
}

std::string DocumentBuilder::Version3Marker(ByteOrder order)
{
    return Delimiter(order) + "3.";
}

std::string DocumentBuilder::Delimiter(ByteOrder order)
{
    return order == ByteOrder::Big ? Codes({ 0x40, 0x09 }) : Codes({ 0x09, 0x40 });
}

std::size_t DocumentBuilder::EditionTail(ByteOrder order)
{
    return order == ByteOrder::Big ? 11 : 12;
}

std::size_t DocumentBuilder::ChunkOffset(std::size_t chunk, std::size_t offset)
{
    return kDataStart + chunk * kChunkSize + offset;
}

DocumentBuilder& DocumentBuilder::FlagByte(std::uint8_t flag)
{
    return Put(kFlagOffset, std::string(1, static_cast<char>(flag)));
}

DocumentBuilder& DocumentBuilder::Version(std::uint8_t version)
{
    return Put(m_order == ByteOrder::Big ? 32 : 29, std::string(1, static_cast<char>(version)));
}

DocumentBuilder& DocumentBuilder::MinorVersion(std::uint8_t minor)
{
    return Put(m_order == ByteOrder::Big ? 36 : 33, std::string(1, static_cast<char>(minor)));
}

DocumentBuilder& DocumentBuilder::Size(std::size_t size)
{
    m_bytes.resize(size, '\0');
    return *this;
}

DocumentBuilder& DocumentBuilder::Put(std::size_t offset, std::string_view bytes)
{
    if (m_bytes.size() < offset + bytes.size()) {
        m_bytes.resize(offset + bytes.size(), '\0');
    }
    m_bytes.replace(offset, bytes.size(), bytes);
    return *this;
}

DocumentBuilder& DocumentBuilder::MarkerWithFields(std::size_t offset, std::string_view marker,
                                                   std::uint8_t editionByte, std::string_view subVersion)
{
    std::string run(marker);
    run += "FILLER";
    run += static_cast<char>(editionByte);
    run += std::string(EditionTail(m_order), 'T');
    run += Delimiter(m_order);
    run += subVersion;
    run += '\0';
    return Put(offset, run);
}

} // namespace karvelio::testing
