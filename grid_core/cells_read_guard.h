#pragma once
// Lets one other thread read a store's cells (TCells::WriteText) while the
// store's own thread goes on reading them too: until that reader says it is
// done, every change of the store waits for it. With no reader, a change
// costs one atomic load.

#include <atomic>
#include <cassert>

class TCellsReadGuard {
public:
    // On the store's thread, before the reader is given the store.
    void Begin()
    {
        assert(!reading_.load());
        reading_.store(true, std::memory_order_release);
    }
    // On the reader's thread, after its last read of the store.
    void End()
    {
        reading_.store(false, std::memory_order_release);
        reading_.notify_all();
    }
    bool Reading() const { return reading_.load(std::memory_order_acquire); }
    // On the store's thread, before any change.
    void WaitForReader() const
    {
        while (reading_.load(std::memory_order_acquire))
            reading_.wait(true, std::memory_order_acquire);
    }

private:
    std::atomic<bool> reading_ = false;
};
