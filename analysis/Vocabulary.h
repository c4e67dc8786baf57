#pragma once
// The vocabulary builder: every distinct normal form of the text's words with
// its count, the type code of the reading that first produced it and its
// normalised frequency, as two lists: the full vocabulary and the network
// vocabulary (the words that later form pairs).

#include <QString>
#include <cstdint>

#include "analysis/Words.h"
#include "app/CommandSink.h"
#include "app/LexavarApi.h"
#include "app/Session.h"
#include "store/Store.h"

namespace quillon::analysis {

// Type codes whose readings count only where the unit starts with a capital
// Cyrillic letter.
bool isCapitalisedType(int type);
// Type codes whose entries stay out of the network vocabulary.
bool isExcludedType(int type);
// True when the unit's characters start with a capital Cyrillic letter
// (Windows-1251 0xC0 to 0xDF).
bool startsWithCapital(const char* unit);

struct VocabularyLists {
    WordList full;
    WordList network;
    int units = 0;  // text units the library segmented
};

// Segments the file at path with the library and builds both lists, sorted
// by descending friquency, with ids and norm_friq set. Reports progress over
// the units. An unreadable file gives 0 units and two empty lists.
VocabularyLists collectVocabulary(const LexavarApi& api, const QString& path, CommandSink& sink);

// Builds the vocabulary of the text at path, keeps both lists in the session
// (replacing the earlier ones), stores them in words_all_<id> and
// words_network_<id> of the session's current text and registers both (kinds
// 0 and 1). Writes its status texts, progress and log lines to sink. A
// database failure throws Error; the lists are then already in the session
// and the rows stored so far stay stored.
void BuildVocabulary(const LexavarApi& api, store::Store& store, Session& session,
                     CommandSink& sink, const QString& path);

// Stores one vocabulary list as the rows of table (emptied or created first),
// ids from MAX(id) + 1 in list order, and registers it with kind.
void storeWordList(store::Store& store, CommandSink& sink, const QString& table,
                   const WordList& list, int textId, int kind);

}  // namespace quillon::analysis
