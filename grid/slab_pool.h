#pragma once
// Fixed-size slots carved from large blocks, so that a million rows of cells
// cost a handful of allocations instead of millions.

#include <cstddef>
#include <memory>
#include <vector>

class TSlabPool {
public:
    explicit TSlabPool(size_t slotSize);
    TSlabPool(const TSlabPool &) = delete;
    TSlabPool &operator=(const TSlabPool &) = delete;

    void *Allocate();
    void Free(void *slot);
    // Drops every block; only when no slot is in use.
    void ReleaseAll();
    size_t LiveCount() const { return live_; }

private:
    struct FreeSlot { FreeSlot *next; };
    static constexpr size_t kBlockBytes = 256 * 1024;

    size_t slotSize_;
    FreeSlot *free_ = nullptr;
    char *bump_ = nullptr;
    char *bumpEnd_ = nullptr;
    size_t live_ = 0;
    std::vector<std::unique_ptr<char[]>> blocks_;
};
