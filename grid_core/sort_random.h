#pragma once
// The pivot generator of the store's quicksort: a 32-bit linear congruential
// generator that every sort of the process shares. Its seed is 0 when the
// process starts and is never set again, so the same sorts in a fresh process
// draw the same pivots.

#include <cstdint>

class TSortRandom {
public:
    // The one generator of the process.
    static TSortRandom &Process();

    // A value from 0 to n - 1: seed := seed * 0x08088405 + 1, then the upper
    // 32 bits of n * seed.
    uint32_t Random(uint32_t n)
    {
        seed_ = seed_ * 0x08088405u + 1u;
        return uint32_t((uint64_t(n) * seed_) >> 32);
    }
    uint32_t Seed() const { return seed_; }

private:
    uint32_t seed_ = 0;
};
