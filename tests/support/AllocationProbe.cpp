#include "tests/support/AllocationProbe.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <new>

namespace {

std::atomic<size_t> g_largest{0};
std::atomic<long long> g_live{0};

} // namespace

void* operator new(size_t size)
{
    size_t seen = g_largest.load();
    while (size > seen && !g_largest.compare_exchange_weak(seen, size)) {
    }
    if (void* block = ::HeapAlloc(::GetProcessHeap(), 0, size ? size : 1)) {
        ++g_live;
        return block;
    }
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    if (!block)
        return;
    --g_live;
    ::HeapFree(::GetProcessHeap(), 0, block);
}

void operator delete(void* block, size_t) noexcept
{
    operator delete(block);
}

namespace AllocationProbe {

void ResetLargest()
{
    g_largest = 0;
}

size_t Largest()
{
    return g_largest;
}

long long Live()
{
    return g_live;
}

} // namespace AllocationProbe
