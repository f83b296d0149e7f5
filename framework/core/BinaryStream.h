#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/core/ByteStrings.h"
#include "framework/core/Object.h"
#include "framework/core/UniqueFd.h"

namespace fw {

// A read-only byte stream over an open regular file. Reads go through a
// buffer far larger than one read request, so a sequential scan costs one
// system call per megabyte; the position is a 64-bit byte offset and setting it
// inside the buffered range costs nothing. Errors never raise: a read that
// fails, or starts at or past the end, yields fewer bytes or none. The end is
// the file's real end: a read that finds no byte where one was expected (the
// file was cut short, or the read failed) moves the end there.
class BinaryStream : public Object {
public:
    // Reads start small (a header costs no large read) and double while the
    // reading goes on, up to 1 MiB, where a scan runs near the speed of a bare
    // read() loop. A smaller size that keeps the buffer in the L2 cache saved
    // nothing measurable where the file sits in 4 KiB pages, and where the
    // kernel holds it in large pages (ext4 on recent kernels) each read() has a
    // cost of its own: 128-256 KiB reads made the scan a fifth slower.
    static constexpr std::size_t kFirstFillSize = 16 * 1024;
    static constexpr std::size_t kBufferSize = 1024 * 1024;

    // Takes ownership of a descriptor open for reading on a regular file.
    BinaryStream(UniqueFd fd, std::int64_t size);
    ~BinaryStream() override;

    // Up to `count` bytes from the position on; the position moves past them.
    String Read(std::int64_t count);

    // The same bytes as Read(count), without copying them where they lie in
    // one piece in the buffer. The view lasts until the next call on the stream.
    std::string_view ReadView(std::int64_t count);

    std::int64_t Position() const { return m_position; }
    void SetPosition(std::int64_t position) { m_position = position; }

    // True when the position is at or past the end of the file.
    bool Eof(); // EOF is a macro of <cstdio>

    std::int64_t Length();

    // After Close every read yields nothing and Eof() is true.
    void Close();

private:
    bool IsBuffered(std::int64_t position) const;
    bool FillBufferAt(std::int64_t position);
    void RefreshSize();

    UniqueFd m_fd;
    std::int64_t m_size = 0;
    std::int64_t m_position = 0;
    std::unique_ptr<char[]> m_buffer;
    std::int64_t m_bufferStart = 0; // file offset of m_buffer[0]
    std::size_t m_bufferLength = 0; // valid bytes in m_buffer
    std::size_t m_fillSize = kFirstFillSize;
    bool m_failed = false;          // a read failed: the stream ends there
    String m_scratch;               // ReadView's copy of a range that straddles two buffers
};

} // namespace fw
