#pragma once
// The store's quicksort of rows 0 to count - 1 by one column, step for step
// as the grid defines it (a random pivot row k in L + 1 .. R, the scans of i
// and j, the extra exchange that undoes the last one), so a sequence of sorts
// always draws the same pivots and leaves equal keys in the same order.
//
// Keys answers the comparison pair for its pivot: Less(P, r) is P <= C(r) and
// Greater(P, r) is P >= C(r), where C(r) is the sort column's value at row r.
// Keys::Swap exchanges its own entries of two rows, swapRows the rows of the
// store.
//
// Bounds: with a consistent comparison the scans never leave L..R and the
// partition point lies in L + 1 .. R, so both halves shrink. A comparison
// that contradicts itself (a custom handler, a NaN value) could drive a scan
// past the ends; the scans therefore stop at L and R, and a partition point of
// L counts as L + 1. Neither changes a sort whose comparison is consistent.
// The halves wait on a heap stack in the order of the recursion, so no input
// can exhaust the call stack.

#include "grid_core/sort_random.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

template <typename Keys, typename SwapRows>
int SortPartition(Keys &keys, SwapRows &swapRows, int L, int R, bool ascending, TSortRandom &random)
{
    const int k = L + 1 + int(random.Random(uint32_t(R - L)));
    const auto P = keys.PivotAt(k);
    const auto exchange = [&](int a, int b) {
        swapRows(a, b);
        keys.Swap(a, b);
    };
    int i = L - 1;
    int j = R + 1;
    do {
        if (ascending) {
            do
                ++i;
            while (!keys.Less(P, i) && i < R);
            do
                --j;
            while (!keys.Greater(P, j) && j > L);
        } else {
            do
                ++i;
            while (!keys.Greater(P, i) && i < R);
            do
                --j;
            while (!keys.Less(P, j) && j > L);
        }
        if (i != j)
            exchange(i, j);
    } while (j > i);
    if (i != j)
        exchange(i, j);
    return std::max(i, L + 1);
}

template <typename Keys, typename SwapRows>
void Quicksort(Keys &keys, SwapRows swapRows, int count, bool ascending, TSortRandom &random)
{
    std::vector<std::pair<int, int>> pending;
    int L = 0;
    int R = count - 1;
    for (;;) {
        if (L < R) {
            const int p = SortPartition(keys, swapRows, L, R, ascending, random);
            pending.emplace_back(p, R);
            R = p - 1;
            continue;
        }
        if (pending.empty())
            return;
        std::tie(L, R) = pending.back();
        pending.pop_back();
    }
}
