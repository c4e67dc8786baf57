#pragma once
// The frequency distribution: for every friquency of the full vocabulary, how
// many words have exactly that friquency, stored in words_friquency_<id>.

#include <cstdint>
#include <vector>

#include "analysis/Words.h"
#include "app/CommandSink.h"
#include "app/Session.h"
#include "store/Store.h"

namespace quillon::analysis {

struct FrequencyGroup {
    std::int32_t friquency = 0;
    std::int32_t wordsnumber = 0;
};

// The groups of equal friquency of a list sorted by descending friquency, in
// list order: each run of adjacent equal values is one group.
std::vector<FrequencyGroup> frequencyGroups(const WordList& vocabulary);

// Stores the groups of the session's full vocabulary as rows 1, 2, ... of
// words_friquency_<session.textId> and registers the table (kind 7). Reads no
// file and calls no library. A database failure throws Error, leaving what was
// stored.
void BuildFrequencyDistribution(store::Store& store, const Session& session, CommandSink& sink);

}  // namespace quillon::analysis
