// Test double: replaces the nothrow operator new[] of this program so a test can make one fail.
#include "failing_allocation.h"

#include <cstdlib>
#include <new>

int FailNothrowArrayAllocationIn = 0;

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (FailNothrowArrayAllocationIn > 0 && --FailNothrowArrayAllocationIn == 0) return nullptr;
    return std::malloc(size == 0 ? 1 : size);
}

void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
