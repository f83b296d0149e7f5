#include "framework/core/ByteStrings.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace fw {

namespace {

bool SameBytes(const char* a, const char* b, std::size_t count)
{
    return std::memcmp(a, b, count) == 0;
}

// The remaining candidate starts, one by one, from `at` on.
std::size_t FindTail(const char* begin, std::size_t size, std::string_view find, std::size_t at)
{
    const std::size_t last = find.size() - 1;
    for (; at + last < size; ++at) {
        if (begin[at] == find.front() && SameBytes(begin + at + 1, find.data() + 1, last)) {
            return at;
        }
    }
    return std::string_view::npos;
}

#if defined(__x86_64__)
// Offset of the first `find` (at least two bytes) in [begin, begin + size),
// or npos. Thirty-two candidate starts are tested at once: a start survives
// only where both the needle's first and its last byte match (Mula's
// filter), so the full comparison runs rarely even where the first byte is
// common. AVX2 is chosen at run time where the processor has it; every
// x86-64 has the SSE2 version. (AVX-512 measured no faster.)
__attribute__((target("avx2"))) unsigned CandidatesAvx2(const char* at, std::size_t last, __m256i first, __m256i final)
{
    const __m256i heads = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    const __m256i tails = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + last));
    return static_cast<unsigned>(
        _mm256_movemask_epi8(_mm256_and_si256(_mm256_cmpeq_epi8(heads, first), _mm256_cmpeq_epi8(tails, final))));
}

__attribute__((target("avx2"))) std::size_t FindFilteredAvx2(const char* begin, std::size_t size,
                                                               std::string_view find)
{
    const std::size_t last = find.size() - 1;
    const __m256i first = _mm256_set1_epi8(find.front());
    const __m256i final = _mm256_set1_epi8(find.back());
    std::size_t at = 0;
    // Two blocks a pass: candidates are rare, so one branch covers 64 starts.
    for (; at + 64 + last <= size; at += 64) {
        const std::uint64_t mask = CandidatesAvx2(begin + at, last, first, final)
            | (std::uint64_t { CandidatesAvx2(begin + at + 32, last, first, final) } << 32);
        for (std::uint64_t bits = mask; bits != 0; bits &= bits - 1) {
            const auto bit = static_cast<std::size_t>(__builtin_ctzll(bits));
            if (SameBytes(begin + at + bit + 1, find.data() + 1, last - 1)) {
                return at + bit;
            }
        }
    }
    return FindTail(begin, size, find, at);
}

std::size_t FindFilteredSse2(const char* begin, std::size_t size, std::string_view find)
{
    const std::size_t last = find.size() - 1;
    const __m128i first = _mm_set1_epi8(find.front());
    const __m128i final = _mm_set1_epi8(find.back());
    std::size_t at = 0;
    for (; at + 16 + last <= size; at += 16) {
        const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + at));
        const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(begin + at + last));
        auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(heads, first), _mm_cmpeq_epi8(tails, final))));
        for (; mask != 0; mask &= mask - 1) {
            const auto bit = static_cast<std::size_t>(__builtin_ctz(mask));
            if (SameBytes(begin + at + bit + 1, find.data() + 1, last - 1)) {
                return at + bit;
            }
        }
    }
    return FindTail(begin, size, find, at);
}

std::size_t FindFiltered(const char* begin, std::size_t size, std::string_view find)
{
    using Finder = std::size_t (*)(const char*, std::size_t, std::string_view);
    static const Finder finder = __builtin_cpu_supports("avx2") ? FindFilteredAvx2 : FindFilteredSse2;
    return finder(begin, size, find);
}
#else
std::size_t FindFiltered(const char* begin, std::size_t size, std::string_view find)
{
    return FindTail(begin, size, find, 0);
}
#endif

// Byte offset of the first `find` at or after `from`, or npos. The scan of a
// large document spends most of its time here.
std::size_t FindBytes(std::string_view source, std::string_view find, std::size_t from)
{
    if (find.empty() || from > source.size() || source.size() - from < find.size()) {
        return std::string_view::npos;
    }
    const char* const begin = source.data() + from;
    const std::size_t size = source.size() - from;
    if (find.size() == 1) {
        const void* hit = std::memchr(begin, find.front(), size);
        return hit == nullptr ? std::string_view::npos
                              : from + static_cast<std::size_t>(static_cast<const char*>(hit) - begin);
    }
    const std::size_t at = FindFiltered(begin, size, find);
    return at == std::string_view::npos ? at : from + at;
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
