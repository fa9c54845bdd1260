#include "tests/support/cells_allocation_count.h"

#include <cstdlib>
#include <new>

namespace {
thread_local size_t allocations = 0;
thread_local int counting = 0;

void *Allocate(size_t size)
{
    if (counting > 0)
        ++allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
} // namespace

TAllocationCount::TAllocationCount() : start_(allocations)
{
    ++counting;
}
TAllocationCount::~TAllocationCount()
{
    --counting;
}
size_t TAllocationCount::Count() const
{
    return allocations - start_;
}

// Replacing the global forms covers every container and every new in the binary.
void *operator new(size_t size)
{
    return Allocate(size);
}
void *operator new[](size_t size)
{
    return Allocate(size);
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete[](void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, size_t) noexcept
{
    std::free(p);
}
void operator delete[](void *p, size_t) noexcept
{
    std::free(p);
}
