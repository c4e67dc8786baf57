#pragma once
// The sentence-list builder: the sentences of the text as the library splits
// them, stored one row each in sentences_<id> of the current text.

#include <QString>
#include <string>
#include <vector>

#include "app/CommandSink.h"
#include "app/LexavarApi.h"
#include "app/Session.h"
#include "store/Store.h"

namespace quillon::analysis {

// Segments the text at path and stores its sentences, in the library's order
// and exactly as it gives them (Windows-1251, untrimmed), as rows 1, 2, ... of
// sentences_<session.textId>, and registers the table (kind 2). A sentence
// whose insert fails is reported in the log ("Error:: " and the sentence) and
// left out; its id is not reused. Any other database failure throws Error,
// leaving what was stored. Returns the sentence list.
std::vector<std::string> BuildSentenceList(const LexavarApi& api, store::Store& store,
                                           const Session& session, CommandSink& sink,
                                           const QString& path);

}  // namespace quillon::analysis
