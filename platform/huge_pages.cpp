#include "platform/huge_pages.h"

#include <sys/mman.h>

#include <cstdint>

void AdviseHugePages(void *data, size_t bytes)
{
    const uintptr_t from = reinterpret_cast<uintptr_t>(data);
    const uintptr_t begin = (from + kHugePageBytes - 1) & ~uintptr_t(kHugePageBytes - 1);
    const uintptr_t end = (from + bytes) & ~uintptr_t(kHugePageBytes - 1);
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
}
