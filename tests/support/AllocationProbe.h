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

} // namespace AllocationProbe
