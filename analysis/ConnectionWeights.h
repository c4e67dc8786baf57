#pragma once
// The weights of the word connections, one counter per pair of network
// vocabulary indexes (i, j) with i < j. Only pairs that actually occur are
// held, so memory grows with the number of distinct pairs rather than with
// n(n - 1)/2 as a full triangular matrix would.

#include <cstdint>
#include <vector>

#include "analysis/Records.h"

namespace quillon::analysis {

class ConnectionWeights {
  public:
    // A table for a vocabulary of n words.
    explicit ConnectionWeights(std::int32_t n) : n_(n) {}

    std::int32_t size() const { return n_; }

    // True when (i, j) names a cell: 0 <= i < j < n.
    bool valid(std::int32_t i, std::int32_t j) const { return i >= 0 && i < j && j < n_; }

    // Adds value to the cell (i, j). Returns false, changing nothing, when
    // (i, j) is not a valid cell.
    bool add(std::int32_t i, std::int32_t j, std::int32_t value);

    // The cell (i, j); 0 for a pair never added to (or an invalid one).
    std::int32_t at(std::int32_t i, std::int32_t j) const;

    // Number of distinct pairs added to.
    std::size_t pairCount() const { return used_; }

    // Every cell with a positive weight as a connection, in order of i, then j:
    // the order a row-by-row walk of the triangle gives.
    std::vector<SVJAZ> connections() const;

  private:
    static std::uint64_t key(std::int32_t i, std::int32_t j) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(i)) << 32) |
               static_cast<std::uint32_t>(j);
    }

    // Open addressing with linear probing over a power-of-two table, at most
    // half full; kEmpty marks a free slot (no valid cell has that key).
    static constexpr std::uint64_t kEmpty = ~std::uint64_t{0};
    std::size_t slotOf(std::uint64_t key) const;
    void grow();

    std::int32_t n_;
    std::vector<std::uint64_t> keys_;
    std::vector<std::int32_t> values_;
    std::size_t used_ = 0;
};

}  // namespace quillon::analysis
