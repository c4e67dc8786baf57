#pragma once
// The one descending Shell sort of the analysis (gaps h = 3h + 1, as 1, 4, 13,
// 40, ...). Its exact steps decide the order of entries with equal keys, and
// the stored ids of every vocabulary and network row follow from that order,
// so the sort is kept step for step rather than replaced by std::sort.

#include <cstddef>
#include <utility>
#include <vector>

#include "analysis/Records.h"
#include "analysis/Words.h"

namespace quillon::analysis {

// Sorts the first n items of list in place by descending key(item). Items move
// only when the later one has the strictly greater key; whole items are
// exchanged. n is clamped to the list's size.
template <typename T, typename Key>
void shellSortDescending(std::vector<T>& list, std::ptrdiff_t n, Key key) {
    if (n > static_cast<std::ptrdiff_t>(list.size())) {
        n = static_cast<std::ptrdiff_t>(list.size());
    }
    std::ptrdiff_t h = 1;
    if (n > 1) {
        while (h < n) {
            h = 3 * h + 1;
        }
    }
    while (h > 0) {
        h /= 3;
        if (h == 0) {
            break;  // the pass with gap 0 changes nothing
        }
        for (std::ptrdiff_t i = 0; i < n - h; ++i) {
            for (std::ptrdiff_t j = i + h; j - h >= 0 && key(list[j - h]) < key(list[j]); j -= h) {
                std::swap(list[j], list[j - h]);
            }
        }
    }
}

// Sorts the first n vocabulary entries by descending friquency.
inline void SortByFrequency(WordList& list, std::ptrdiff_t n) {
    shellSortDescending(list, n, [](const WORDS& w) { return w.friquency; });
}

// Sorts the whole connection list by descending weight.
inline void SortConnections(std::vector<SVJAZ>& list) {
    shellSortDescending(list, static_cast<std::ptrdiff_t>(list.size()),
                        [](const SVJAZ& c) { return c.weight; });
}

}  // namespace quillon::analysis
