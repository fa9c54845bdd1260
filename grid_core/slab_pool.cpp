#include "grid_core/slab_pool.h"

#include "grid_core/page_memory.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace {
// Cells and rows hold pointers and doubles at most.
constexpr size_t kAlign = alignof(double);
} // namespace

TSlabPool::TSlabPool(size_t slotSize, void *tag)
    : slotSize_((slotSize + kAlign - 1) / kAlign * kAlign), tag_(tag)
{
    if (slotSize_ < sizeof(FreeSlot))
        slotSize_ = sizeof(FreeSlot);
}

TSlabPool::~TSlabPool()
{
    ReleaseAll();
}

TSlabPool::TSegmentHeader *TSlabPool::HeaderOf(const void *slot)
{
    return reinterpret_cast<TSegmentHeader *>(reinterpret_cast<uintptr_t>(slot) &
                                              ~uintptr_t(kSegmentBytes - 1));
}

void TSlabPool::EnterSegment(char *segment)
{
    // Written on entry, so a block's pages are touched only as it fills.
    new (segment) TSegmentHeader{this, tag_};
    bump_ = segment + sizeof(TSegmentHeader);
    bumpEnd_ = bump_ + (kSegmentBytes - sizeof(TSegmentHeader)) / slotSize_ * slotSize_;
    nextSegment_ = segment + kSegmentBytes;
}

void TSlabPool::NewBlock()
{
    // Each block twice the last, from one segment up to kBlockBytes: a store
    // of a few hundred rows takes tens of kilobytes, not megabytes per pool.
    const size_t bytes =
        blocks_.empty() ? kSegmentBytes : std::min(kBlockBytes, 2 * blocks_.back().bytes);
    auto *memory = static_cast<char *>(AllocatePages(
        bytes, kSegmentBytes, bytes == kBlockBytes ? TPageSize::psHuge : TPageSize::psNormal));
    blocks_.push_back({memory, bytes});
    blockEnd_ = memory + bytes;
    EnterSegment(memory);
}

void *TSlabPool::Allocate()
{
    ++live_;
    if (free_) {
        FreeSlot *slot = free_;
        free_ = slot->next;
        return slot;
    }
    if (bump_ == bumpEnd_) {
        if (nextSegment_ != blockEnd_)
            EnterSegment(nextSegment_);
        else
            NewBlock();
    }
    void *slot = bump_;
    bump_ += slotSize_;
    return slot;
}

void TSlabPool::Free(void *slot)
{
    auto *s = static_cast<FreeSlot *>(slot);
    s->next = free_;
    free_ = s;
    --live_;
}

void TSlabPool::ReleaseAll()
{
    for (const TBlock &block : blocks_)
        FreePages(block.memory, block.bytes, kSegmentBytes);
    std::vector<TBlock>().swap(blocks_);
    free_ = nullptr;
    bump_ = bumpEnd_ = nextSegment_ = blockEnd_ = nullptr;
    live_ = 0;
}

void TSlabPool::SetTag(void *tag)
{
    tag_ = tag;
    // The segments entered so far; the others take it on entry.
    for (const TBlock &block : blocks_) {
        const char *end =
            block.memory + block.bytes == blockEnd_ ? nextSegment_ : block.memory + block.bytes;
        for (char *segment = block.memory; segment < end; segment += kSegmentBytes)
            reinterpret_cast<TSegmentHeader *>(segment)->tag = tag;
    }
}
