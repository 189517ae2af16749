#include "tests/support/AllocationProbe.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <new>

namespace {

std::atomic<size_t> g_largest{0};
std::atomic<long long> g_live{0};
std::atomic<long long> g_liveBytes{0};
std::atomic<long long> g_failIn{-1};
std::atomic<bool> g_failed{false};

} // namespace

void* operator new(size_t size)
{
    if (g_failIn.load() >= 0 && g_failIn.fetch_sub(1) == 0) {
        g_failed = true;
        throw std::bad_alloc();
    }
    size_t seen = g_largest.load();
    while (size > seen && !g_largest.compare_exchange_weak(seen, size)) {
    }
    if (void* block = ::HeapAlloc(::GetProcessHeap(), 0, size ? size : 1)) {
        ++g_live;
        g_liveBytes += (long long)::HeapSize(::GetProcessHeap(), 0, block);
        return block;
    }
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    if (!block)
        return;
    --g_live;
    g_liveBytes -= (long long)::HeapSize(::GetProcessHeap(), 0, block);
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

long long LiveBytes()
{
    return g_liveBytes;
}

void FailAllocation(long long index)
{
    g_failed = false;
    g_failIn = index;
}

bool Failed()
{
    return g_failed;
}

} // namespace AllocationProbe
