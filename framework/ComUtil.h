#pragma once

#include <unknwn.h>

// Releases a held interface and clears the slot first, so a re-entrant call sees it gone.
template <class T> void ReleaseAndNull(T*& pointer)
{
    if (pointer) {
        T* held = pointer;
        pointer = nullptr;
        held->Release();
    }
}
