#pragma once
// Fixed-size slots carved from large blocks, so that a million rows of cells
// cost a handful of allocations instead of millions.
//
// A block is made of segments of kSegmentBytes, each aligned to its size and
// beginning with a small header naming the pool and a tag (the cell store
// that owns the slots), so a slot finds both from its own address: cells need
// no owner pointer of their own. The first block of a pool is one segment and
// each next one twice the last, up to kBlockBytes, so a small store stays
// small; a block's pages are touched a segment at a time, as it fills.

#include <cstddef>
#include <vector>

class TSlabPool {
public:
    static constexpr size_t kSegmentBytes = 16 * 1024;
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
    struct alignas(16) TSegmentHeader {
        TSlabPool *pool;
        void *tag;
    };
    struct TBlock {
        char *memory;
        size_t bytes;
    };
    struct FreeSlot {
        FreeSlot *next;
    };

    static TSegmentHeader *HeaderOf(const void *slot);
    // Starts handing out the slots of the segment at segment.
    void EnterSegment(char *segment);
    void NewBlock();

    size_t slotSize_;
    void *tag_;
    FreeSlot *free_ = nullptr;
    char *bump_ = nullptr;
    char *bumpEnd_ = nullptr;
    // The segments of the newest block not yet entered.
    char *nextSegment_ = nullptr;
    char *blockEnd_ = nullptr;
    size_t live_ = 0;
    std::vector<TBlock> blocks_;
};
