#include "grid/slab_pool.h"

#include <cassert>
#include <cstddef>

namespace {
// Cells and rows hold pointers and doubles at most.
constexpr size_t kAlign = alignof(double);
}

TSlabPool::TSlabPool(size_t slotSize)
    : slotSize_((slotSize + kAlign - 1) / kAlign * kAlign)
{
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
        blocks_.emplace_back(new char[kBlockBytes]);
        bump_ = blocks_.back().get();
        bumpEnd_ = bump_ + kBlockBytes / slotSize_ * slotSize_;
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
    assert(live_ == 0);
    blocks_.clear();
    free_ = nullptr;
    bump_ = bumpEnd_ = nullptr;
}
