#include "grid_core/page_memory.h"

#include "platform/huge_pages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define YB_PAGES_FROM_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define YB_PAGES_FROM_HEAP 1
#endif
#endif

namespace {

size_t PageSize()
{
    static const size_t size = size_t(sysconf(_SC_PAGESIZE));
    return size;
}

size_t RoundUp(size_t bytes, size_t to)
{
    return (bytes + to - 1) / to * to;
}

} // namespace

void *AllocatePages(size_t bytes, size_t alignment, [[maybe_unused]] TPageSize pageSize)
{
    const size_t page = PageSize();
    if (alignment < page)
        alignment = page;
    bytes = RoundUp(bytes, page);
#ifdef YB_PAGES_FROM_HEAP
    return ::operator new(bytes, std::align_val_t(alignment));
#else
    const bool huge = pageSize == TPageSize::psHuge && bytes >= kHugePageBytes;
    if (huge && alignment < kHugePageBytes)
        alignment = kHugePageBytes;
    // Map enough to find an aligned start, then give back both ends.
    const size_t mapped = alignment == page ? bytes : bytes + alignment;
    void *raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        throw std::bad_alloc();
    const uintptr_t start = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = RoundUp(start, alignment);
    if (aligned > start)
        munmap(raw, aligned - start);
    const uintptr_t end = start + mapped;
    if (end > aligned + bytes)
        munmap(reinterpret_cast<void *>(aligned + bytes), end - aligned - bytes);
    if (huge)
        AdviseHugePages(reinterpret_cast<void *>(aligned), bytes);
    return reinterpret_cast<void *>(aligned);
#endif
}

void FreePages(void *pages, size_t bytes, size_t alignment)
{
    const size_t page = PageSize();
    if (alignment < page)
        alignment = page;
    bytes = RoundUp(bytes, page);
#ifdef YB_PAGES_FROM_HEAP
    ::operator delete(pages, std::align_val_t(alignment));
#else
    munmap(pages, bytes);
#endif
}
