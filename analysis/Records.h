#pragma once
// The records of the word-pair and network builder.

#include <cstdint>

namespace quillon::analysis {

// One word occurrence (word1, word1InSent, type1 only) or one pair of words
// standing in the same sentence (all fields).
struct VSE_PARY {
    std::int32_t word1 = 0;        // network vocabulary index of the first word
    std::int32_t word2 = 0;        // network vocabulary index of the second word
    std::int32_t word1InSent = 0;  // unit offset of the first word from the sentence's first unit
    std::int32_t word2InSent = 0;  // the same for the second word
    std::int32_t predlId = 0;      // sentence number, from 0
    std::int32_t type1 = 0;        // type code of the first word's vocabulary entry
    std::int32_t type2 = 0;        // type code of the second word's vocabulary entry
};

// One connection of the network: two vocabulary indexes (word1 < word2) and
// the weight accumulated over all their pairs.
struct SVJAZ {
    std::int32_t word1 = 0;
    std::int32_t word2 = 0;
    std::int32_t weight = 0;
};

}  // namespace quillon::analysis
