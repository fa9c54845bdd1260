#include "grid/slab_pool.h"

#include "grid/page_memory.h"

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

TSlabPool::TBlockHeader *TSlabPool::HeaderOf(const void *slot)
{
    return reinterpret_cast<TBlockHeader *>(reinterpret_cast<uintptr_t>(slot) &
                                            ~uintptr_t(kBlockBytes - 1));
}

void TSlabPool::NewBlock()
{
    // A small store keeps to one block of ordinary pages; a large one is
    // filled a block at a time.
    void *memory = AllocatePages(kBlockBytes, kBlockBytes,
                                 blocks_.empty() ? TPageSize::psNormal : TPageSize::psHuge);
    auto *header = new (memory) TBlockHeader{this, tag_};
    blocks_.push_back(header);
    bump_ = reinterpret_cast<char *>(header) + sizeof(TBlockHeader);
    bumpEnd_ = bump_ + (kBlockBytes - sizeof(TBlockHeader)) / slotSize_ * slotSize_;
}

void *TSlabPool::Allocate()
{
    ++live_;
    if (free_) {
        FreeSlot *slot = free_;
        free_ = slot->next;
        return slot;
    }
    if (bump_ == bumpEnd_)
        NewBlock();
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
    for (TBlockHeader *block : blocks_)
        FreePages(block, kBlockBytes, kBlockBytes);
    std::vector<TBlockHeader *>().swap(blocks_);
    free_ = nullptr;
    bump_ = bumpEnd_ = nullptr;
    live_ = 0;
}

void TSlabPool::SetTag(void *tag)
{
    tag_ = tag;
    for (TBlockHeader *block : blocks_)
        block->tag = tag;
}
