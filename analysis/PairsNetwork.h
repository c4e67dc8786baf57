#pragma once
// The word-pair and network builder: every pair of different network
// vocabulary words standing in one sentence, stored in pares_<id>, and every
// connection of two words with its accumulated weight, heaviest first, stored
// in network_<id>.

#include <QString>
#include <cstddef>
#include <cstdint>

#include "app/CommandSink.h"
#include "app/LexavarApi.h"
#include "app/Session.h"
#include "store/Store.h"

namespace quillon::analysis {

// The weight one co-occurrence adds to the connection of a pair whose first
// word (the smaller vocabulary index) has type t1 and second word type t2.
// Not symmetric in t1 and t2.
int pairWeight(int t1, int t2);

struct PairsOptions {
    // The pair list is written to the pairs table whenever it holds this many
    // records, which bounds its memory.
    std::size_t flushThreshold = 1000000;
    // The diagnostics file, created empty by every run; a line is written to it
    // for every weight update that names no valid pair of indexes. When it
    // cannot be created the run goes on without it.
    QString diagnosticsPath = QStringLiteral("errors.txt");
};

struct PairsSummary {
    std::int64_t allConnections = 0;  // pairs found (rows of the pairs table)
    std::int64_t connections = 0;     // distinct connections (rows of the network table)
};

// Segments the text at path and finds its pairs with the session's network
// vocabulary (empty before any vocabulary build: no pairs, empty tables).
// Empties or creates pares_<id> and network_<id> of the session's current
// text, registers both (kinds 5 and 6), stores the pairs with ids from 1 and
// the connections with ids from 0 in descending weight. Writes its status
// texts, progress and log lines to sink. A database failure throws Error; the
// rows stored so far stay stored.
PairsSummary BuildPairsAndNetwork(const LexavarApi& api, store::Store& store,
                                  const Session& session, CommandSink& sink, const QString& path,
                                  const PairsOptions& options = {});

}  // namespace quillon::analysis
