#pragma once
// Large blocks straight from the system (mmap), given back whole when freed.
//
// The store's pools and row lists come and go with every profile load; taken
// from malloc, glibc's adaptive mmap threshold moves them onto the heap after
// the first release, where freed blocks stay resident and each load adds to
// the process's peak. Under the sanitizers the blocks come from operator new,
// so the leak checker still sees the pointers they hold.

#include <cstddef>
#include <cstdint>
#include <new>

// bytes rounded up to whole pages, aligned to alignment (a power of two, at
// least the page size, or 0 for the page size). Raises std::bad_alloc.
// Large blocks that will be filled whole may ask for huge pages, where the
// system gives them on request: one fault per 2 MiB instead of 512.
enum class TPageSize : uint8_t { psNormal, psHuge };
void *AllocatePages(size_t bytes, size_t alignment = 0, TPageSize pageSize = TPageSize::psNormal);
void FreePages(void *pages, size_t bytes, size_t alignment = 0);

// A standard allocator that takes arrays of a megabyte or more from pages.
template <typename T>
class TPageAllocator {
public:
    using value_type = T;
    static constexpr size_t kPagesFrom = 1 << 20;

    TPageAllocator() = default;
    template <typename U>
    TPageAllocator(const TPageAllocator<U> &) noexcept
    {
    }

    T *allocate(size_t n)
    {
        const size_t bytes = n * sizeof(T);
        if (bytes >= kPagesFrom)
            return static_cast<T *>(AllocatePages(bytes, 0, TPageSize::psHuge));
        return static_cast<T *>(::operator new(bytes));
    }
    void deallocate(T *p, size_t n) noexcept
    {
        const size_t bytes = n * sizeof(T);
        if (bytes >= kPagesFrom)
            FreePages(p, bytes);
        else
            ::operator delete(p);
    }
    template <typename U>
    bool operator==(const TPageAllocator<U> &) const noexcept
    {
        return true;
    }
};
