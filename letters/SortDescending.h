#pragma once
// The descending Shell sort shared by the letter statistics. Its exact steps
// (gaps h = 3h + 1, equal values never exchanged directly) decide the order
// in which letters with equal counts are shown, so it must not be replaced by
// another sort: the order is part of the output files.

#include <cstddef>
#include <utility>

namespace quillon::letters {

// Sorts values[0..n) in place into descending order and applies every
// exchange to companions[0..n) as well. Not stable.
template <class Value, class Companion>
void SortDescending(Value* values, Companion* companions, int n) {
    int h = 1;
    while (h < n)
        h = 3 * h + 1;
    while (h > 0) {
        h = h / 3;
        if (h == 0)
            break;  // the last pass with h = 0 exchanges nothing
        for (int i = 0; i <= n - h - 1; ++i) {
            int j = i + h;
            while (j - h >= 0) {
                if (values[j - h] >= values[j])
                    break;
                std::swap(values[j], values[j - h]);
                std::swap(companions[j], companions[j - h]);
                j -= h;
            }
        }
    }
}

}  // namespace quillon::letters
