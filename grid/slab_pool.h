#pragma once
// Fixed-size slots carved from large blocks, so that a million rows of cells
// cost a handful of allocations instead of millions.
//
// Blocks are aligned to their own size and begin with a small header naming
// the pool and a tag (the cell store that owns the slots), so a slot finds
// both from its own address: cells need no owner pointer of their own.

#include <cstddef>
#include <vector>

class TSlabPool {
public:
    static constexpr size_t kBlockBytes = 2 * 1024 * 1024;

    explicit TSlabPool(size_t slotSize, void *tag = nullptr);
    ~TSlabPool();
    TSlabPool(const TSlabPool &) = delete;
    TSlabPool &operator=(const TSlabPool &) = delete;

    void *Allocate();
    void Free(void *slot);
    // Drops every block, whatever is still in use: the caller has finished
    // with every slot.
    void ReleaseAll();
    size_t LiveCount() const { return live_; }
    size_t SlotSize() const { return slotSize_; }

    // The tag of every block, present and future.
    void SetTag(void *tag);
    static void *TagOf(const void *slot) { return HeaderOf(slot)->tag; }
    static TSlabPool *PoolOf(const void *slot) { return HeaderOf(slot)->pool; }

private:
    struct alignas(16) TBlockHeader {
        TSlabPool *pool;
        void *tag;
    };
    struct FreeSlot { FreeSlot *next; };

    static TBlockHeader *HeaderOf(const void *slot);
    void NewBlock();

    size_t slotSize_;
    void *tag_;
    FreeSlot *free_ = nullptr;
    char *bump_ = nullptr;
    char *bumpEnd_ = nullptr;
    size_t live_ = 0;
    std::vector<TBlockHeader *> blocks_;
};
