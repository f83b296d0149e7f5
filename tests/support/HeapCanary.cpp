#include "tests/support/HeapCanary.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

namespace karvelio::testing {

namespace {

struct Header {
    std::size_t size;
    bool guarded;
};

// A multiple of malloc's alignment, so the blocks handed out keep it.
constexpr std::size_t kHeaderSize = 2 * alignof(std::max_align_t);
static_assert(sizeof(Header) <= kHeaderSize);
constexpr std::size_t kTrailerSize = std::size_t { 4 } << 16;
constexpr unsigned char kFill = 0xA5;

std::atomic<bool> g_armed { false };
std::atomic<int> g_overruns { 0 };

void* Allocate(std::size_t size, bool mayFail)
{
    const bool guarded = g_armed.load();
    auto* base = static_cast<unsigned char*>(std::malloc(kHeaderSize + size + (guarded ? kTrailerSize : 0)));
    if (base == nullptr) {
        if (mayFail) {
            return nullptr;
        }
        throw std::bad_alloc();
    }
    ::new (base) Header { size, guarded };
    if (guarded) {
        std::memset(base + kHeaderSize + size, kFill, kTrailerSize);
    }
    return base + kHeaderSize;
}

void Release(void* block) noexcept
{
    if (block == nullptr) {
        return;
    }
    unsigned char* base = static_cast<unsigned char*>(block) - kHeaderSize;
    const Header header = *std::launder(reinterpret_cast<Header*>(base));
    const unsigned char* trailer = base + kHeaderSize + header.size;
    if (header.guarded && std::any_of(trailer, trailer + kTrailerSize, [](unsigned char b) { return b != kFill; })) {
        ++g_overruns;
    }
    std::free(base);
}

} // namespace

HeapCanary::HeapCanary()
{
    g_overruns = 0;
    g_armed = true;
}

HeapCanary::~HeapCanary()
{
    g_armed = false;
}

int HeapCanary::Overruns() const
{
    return g_overruns.load();
}

} // namespace karvelio::testing

// Every form, so no block made by a library's own operator new reaches ours
// to be freed, or the other way round. The aligned forms stay the library's:
// they pair only with each other.
void* operator new(std::size_t size)
{
    return karvelio::testing::Allocate(size, false);
}

void* operator new[](std::size_t size)
{
    return karvelio::testing::Allocate(size, false);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return karvelio::testing::Allocate(size, true);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return karvelio::testing::Allocate(size, true);
}

void operator delete(void* block) noexcept
{
    karvelio::testing::Release(block);
}

void operator delete[](void* block) noexcept
{
    karvelio::testing::Release(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    karvelio::testing::Release(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    karvelio::testing::Release(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    karvelio::testing::Release(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    karvelio::testing::Release(block);
}
