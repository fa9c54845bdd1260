#pragma once
// Counts the calls of the global operator new made by this thread while a
// TAllocationCount is alive, to prove that an operation's allocations grow
// with the logarithm of the rows rather than with the rows.

#include <cstddef>

class TAllocationCount {
public:
    TAllocationCount();
    ~TAllocationCount();
    TAllocationCount(const TAllocationCount &) = delete;
    TAllocationCount &operator=(const TAllocationCount &) = delete;

    size_t Count() const;

private:
    size_t start_;
};
