#pragma once
// One vocabulary entry, as the vocabulary builder makes it and the pair,
// network and distribution builders read it.

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

struct WORDS {
    std::int32_t id = 0;         // position in its sorted list, from 0 (set after sorting)
    std::int32_t firstUnit = 0;  // text unit at which the normal form was first met
    std::string word;            // the normal form, Windows-1251 bytes as Lexavar returns it
    std::int32_t friquency = 1;  // counted occurrences
    std::int32_t type = 0;       // part-of-speech type code of the reading that created it
    float norm_friq = 0.0f;      // friquency / entries of its list
};

using WordList = std::vector<WORDS>;

}  // namespace quillon
