#include "analysis/ConnectionWeights.h"

#include <algorithm>
#include <utility>

namespace quillon::analysis {

std::size_t ConnectionWeights::slotOf(std::uint64_t key) const {
    // A multiplicative mix spreads the (i, j) keys over the table.
    const std::size_t mask = keys_.size() - 1;
    std::size_t slot = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 17) & mask;
    while (keys_[slot] != kEmpty && keys_[slot] != key) {
        slot = (slot + 1) & mask;
    }
    return slot;
}

void ConnectionWeights::grow() {
    std::vector<std::uint64_t> keys(keys_.empty() ? 1024 : keys_.size() * 2, kEmpty);
    std::vector<std::int32_t> values(keys.size(), 0);
    keys.swap(keys_);
    values.swap(values_);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] != kEmpty) {
            const std::size_t slot = slotOf(keys[i]);
            keys_[slot] = keys[i];
            values_[slot] = values[i];
        }
    }
}

bool ConnectionWeights::add(std::int32_t i, std::int32_t j, std::int32_t value) {
    if (!valid(i, j)) {
        return false;
    }
    if (2 * (used_ + 1) > keys_.size()) {
        grow();
    }
    const std::uint64_t k = key(i, j);
    const std::size_t slot = slotOf(k);
    if (keys_[slot] == kEmpty) {
        keys_[slot] = k;
        ++used_;
    }
    values_[slot] += value;
    return true;
}

std::int32_t ConnectionWeights::at(std::int32_t i, std::int32_t j) const {
    if (!valid(i, j) || keys_.empty()) {
        return 0;
    }
    const std::size_t slot = slotOf(key(i, j));
    return keys_[slot] == kEmpty ? 0 : values_[slot];
}

std::vector<SVJAZ> ConnectionWeights::connections() const {
    std::vector<std::pair<std::uint64_t, std::int32_t>> cells;
    cells.reserve(used_);
    for (std::size_t s = 0; s < keys_.size(); ++s) {
        if (keys_[s] != kEmpty && values_[s] > 0) {
            cells.emplace_back(keys_[s], values_[s]);
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
