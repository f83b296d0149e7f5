#include "framework/core/BinaryStream.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

BinaryStream::BinaryStream(UniqueFd fd, std::int64_t size)
    : m_fd(std::move(fd))
    , m_size(size)
{
}

BinaryStream::~BinaryStream() = default;

String BinaryStream::Read(std::int64_t count)
{
    String out;
    if (count <= 0 || m_position < 0 || !m_fd.IsOpen()) {
        return out;
    }
    while (count > 0) {
        if (!IsBuffered(m_position) && !FillBufferAt(m_position)) {
            break;
        }
        const auto offset = static_cast<std::size_t>(m_position - m_bufferStart);
        const std::size_t take = std::min(static_cast<std::size_t>(count), m_bufferLength - offset);
        if (out.empty() && static_cast<std::size_t>(count) == take) {
            out.assign(m_buffer.get() + offset, take); // the common case: one piece
        } else {
            out.append(m_buffer.get() + offset, take);
        }
        m_position += static_cast<std::int64_t>(take);
        count -= static_cast<std::int64_t>(take);
    }
    return out;
}

std::string_view BinaryStream::ReadView(std::int64_t count)
{
    if (count <= 0 || m_position < 0 || !m_fd.IsOpen()) {
        return {};
    }
    if (!IsBuffered(m_position) && !FillBufferAt(m_position)) {
        return {};
    }
    const auto offset = static_cast<std::size_t>(m_position - m_bufferStart);
    if (static_cast<std::size_t>(count) > m_bufferLength - offset) {
        m_scratch = Read(count);
        return m_scratch;
    }
    m_position += count;
    return { m_buffer.get() + offset, static_cast<std::size_t>(count) };
}

bool BinaryStream::IsBuffered(std::int64_t position) const
{
    return m_bufferLength > 0 && position >= m_bufferStart
        && position < m_bufferStart + static_cast<std::int64_t>(m_bufferLength);
}

bool BinaryStream::FillBufferAt(std::int64_t position)
{
    if (!m_buffer) {
        m_buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    }
    m_bufferStart = position;
    m_bufferLength = 0;
    const std::size_t fillSize = m_fillSize;
    m_fillSize = std::min(m_fillSize * 2, kBufferSize);
    for (;;) {
        const ssize_t got = ::pread(m_fd.Get(), m_buffer.get(), fillSize, static_cast<off_t>(position));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got == 0) {
            // The file ends here, whatever size it had before: one cut short
            // under a scan must end the scan, not be read empty to its old size.
            m_size = std::min(m_size, position);
            return false;
        }
        if (got < 0) {
            // I/O errors are not raised: the caller gets what it has, and the
            // stream ends here, so a scan stops rather than failing on every
            // later read.
            m_failed = true;
            return false;
        }
        m_bufferLength = static_cast<std::size_t>(got);
        m_size = std::max(m_size, position + got);
        return true;
    }
}

void BinaryStream::RefreshSize()
{
    struct stat info {};
    if (m_fd.IsOpen() && ::fstat(m_fd.Get(), &info) == 0) {
        m_size = static_cast<std::int64_t>(info.st_size);
    }
}

bool BinaryStream::Eof()
{
    if (!m_fd.IsOpen() || m_failed) {
        return true;
    }
    if (m_position < m_size) {
        return false;
    }
    RefreshSize(); // the file may have grown since it was opened
    return m_position >= m_size;
}

std::int64_t BinaryStream::Length()
{
    RefreshSize();
    return m_size;
}

void BinaryStream::Close()
{
    m_fd.Reset();
    m_buffer.reset();
    m_bufferLength = 0;
}

} // namespace fw
