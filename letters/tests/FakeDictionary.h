#pragma once
// A stand-in for the library's NormolWord over a fixed word list, so that the
// positional statistics can be checked without a dictionary.

#include <initializer_list>
#include <string>

#include "app/LexavarApi.h"

namespace quillon::letters::test {

// The table with NormolWord answering 1 for the given words (Windows-1251,
// small letters; the lookup folds capitals) and 0 otherwise. Replaces the
// list of any earlier call.
LexavarApi fakeDictionary(std::initializer_list<std::string> words);
// How often NormolWord was called since the last fakeDictionary.
int fakeLookups();

}  // namespace quillon::letters::test
