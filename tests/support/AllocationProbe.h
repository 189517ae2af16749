#pragma once

// Watches the program's C++ allocations (the program's operator new and delete are replaced): the
// blocks alive, and the largest single request since the last reset, to show that nothing is
// allocated for a length or count the data could not justify, and that nothing leaks.

#include <cstddef>

namespace AllocationProbe {

void ResetLargest();
size_t Largest();
// Blocks allocated and not yet freed.
long long Live();
// The bytes those blocks asked for.
long long LiveBytes();
// Makes the allocation `index` requests from now (0 = the next one) throw std::bad_alloc, once;
// a negative index makes none fail. Failed() tells whether it happened since.
void FailAllocation(long long index);
bool Failed();

} // namespace AllocationProbe
