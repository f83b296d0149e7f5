#include "framework/core/ByteStrings.h"

#include <algorithm>
#include <cstring>

namespace fw {

namespace {

// Byte offset of the first `find` at or after `from`, or npos. memmem is
// glibc's tuned short-needle search; the scan spends most of its time here.
std::size_t FindBytes(std::string_view source, std::string_view find, std::size_t from)
{
    if (find.empty() || from > source.size() || source.size() - from < find.size()) {
        return std::string_view::npos;
    }
    const void* hit = ::memmem(source.data() + from, source.size() - from, find.data(), find.size());
    if (hit == nullptr) {
        return std::string_view::npos;
    }
    return static_cast<std::size_t>(static_cast<const char*>(hit) - source.data());
}

std::size_t ClipToSize(std::int64_t value, std::size_t size)
{
    if (value <= 0) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(value), size);
}

} // namespace

String Chr(std::int64_t code)
{
    if (code < 0 || code > 255) {
        return {};
    }
    return String(1, static_cast<char>(static_cast<unsigned char>(code)));
}

String MidB(std::string_view s, std::int64_t start, std::int64_t length)
{
    if (start <= 0 || length <= 0 || static_cast<std::uint64_t>(start) > s.size()) {
        return {};
    }
    const auto offset = static_cast<std::size_t>(start - 1);
    return String(s.substr(offset, ClipToSize(length, s.size() - offset)));
}

String MidB(std::string_view s, std::int64_t start)
{
    return MidB(s, start, LenB(s));
}

String LeftB(std::string_view s, std::int64_t count)
{
    return String(s.substr(0, ClipToSize(count, s.size())));
}

std::int64_t LenB(std::string_view s)
{
    return static_cast<std::int64_t>(s.size());
}

std::int64_t InStrB(std::int64_t start, std::string_view source, std::string_view find)
{
    const std::size_t from = start <= 1 ? 0 : ClipToSize(start - 1, source.size() + 1);
    const std::size_t at = FindBytes(source, find, from);
    return at == std::string_view::npos ? 0 : static_cast<std::int64_t>(at) + 1;
}

std::int64_t InStrB(std::string_view source, std::string_view find)
{
    return InStrB(0, source, find);
}

std::int64_t CountFields(std::string_view s, std::string_view delimiter)
{
    if (s.empty()) {
        return 0;
    }
    std::int64_t fields = 1;
    for (std::size_t at = FindBytes(s, delimiter, 0); at != std::string_view::npos;
         at = FindBytes(s, delimiter, at + delimiter.size())) {
        ++fields;
    }
    return fields;
}

String NthField(std::string_view s, std::string_view delimiter, std::int64_t k)
{
    if (k < 1) {
        return {};
    }
    std::size_t fieldStart = 0;
    for (std::int64_t field = 1;; ++field) {
        const std::size_t end = FindBytes(s, delimiter, fieldStart);
        if (field == k) {
            return String(s.substr(fieldStart, end == std::string_view::npos ? s.size() - fieldStart : end - fieldStart));
        }
        if (end == std::string_view::npos) {
            return {};
        }
        fieldStart = end + delimiter.size();
    }
}

String EndOfLine()
{
    return "\n";
}

} // namespace fw
