// The in-place quicksort the lists share. It sees the items only through indexes, so the compare
// function may look at the list while it is being sorted, and its scans are bounded so that a compare
// function that contradicts itself cannot run them off the range. Not stable.
#pragma once

#include <utility>

namespace list_sort {

// Sorts the index range [L, R]. Compare(i, j) < 0 when item i goes before item j; Swap(i, j) exchanges.
template <class Compare, class Swap> void QuickSort(int L, int R, const Compare& compare, const Swap& swap) {
    while (L < R) {
        int i = L, j = R, pivot = L + (R - L) / 2;
        do {
            while (i < R && compare(i, pivot) < 0)
                ++i;
            while (j > L && compare(j, pivot) > 0)
                --j;
            if (i <= j) {
                if (i != j) swap(i, j);
                if (pivot == i)
                    pivot = j;
                else if (pivot == j)
                    pivot = i;
                ++i;
                --j;
            }
        } while (i <= j);
        // Recurse into the smaller part so that the depth stays logarithmic.
        if (j - L < R - i) {
            if (L < j) QuickSort(L, j, compare, swap);
            L = i;
        } else {
            if (i < R) QuickSort(i, R, compare, swap);
            R = j;
        }
    }
}

} // namespace list_sort
