#include "analysis/ConnectionWeights.h"

#include <algorithm>

namespace quillon::analysis {

bool ConnectionWeights::add(std::int32_t i, std::int32_t j, std::int32_t value) {
    if (!valid(i, j)) {
        return false;
    }
    cells_[key(i, j)] += value;
    return true;
}

std::int32_t ConnectionWeights::at(std::int32_t i, std::int32_t j) const {
    if (!valid(i, j)) {
        return 0;
    }
    const auto it = cells_.find(key(i, j));
    return it == cells_.end() ? 0 : it->second;
}

std::vector<SVJAZ> ConnectionWeights::connections() const {
    std::vector<std::pair<std::uint64_t, std::int32_t>> cells;
    cells.reserve(cells_.size());
    for (const auto& cell : cells_) {
        if (cell.second > 0) {
            cells.push_back(cell);
        }
    }
    // The key holds i in its high half and j in its low half.
    std::sort(cells.begin(), cells.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SVJAZ> list;
    list.reserve(cells.size());
    for (const auto& [k, weight] : cells) {
        list.push_back(SVJAZ{static_cast<std::int32_t>(k >> 32),
                             static_cast<std::int32_t>(k & 0xffffffffu), weight});
    }
    return list;
}

}  // namespace quillon::analysis
