#pragma once
// The analysis commands: "Полный анализ" with the builders its parameters
// choose, and the four single-step commands. Each sets its status texts, times
// itself and writes its timing line to the log. The forms only wire menu items
// to these; quillon-batch runs the full analysis the same way.

#include <functional>

#include "analysis/PairsNetwork.h"
#include "app/CommandSink.h"
#include "app/LexavarApi.h"
#include "app/Session.h"
#include "store/Store.h"

namespace quillon::analysis {

// The six check boxes of "Параметры анализа".
struct AnalysisParameters {
    bool fullVocabulary = true;  // "Полный словник": build the vocabulary
    bool networkVocabulary = true;  // "Словник для связей слов": kept, steers nothing
    bool sentences = true;     // "Список предложений": build the sentence list
    bool allPairs = true;      // "Все связи слов": build the pairs and network
    bool pairs = true;         // "Связи слов": only coupled with allPairs
    bool distribution = true;  // "Распределение частот": build the distribution

    // Every box unchecked.
    static AnalysisParameters none() { return {false, false, false, false, false, false}; }
};

// Runs the commands on the session's current text (text path and id). The
// references must outlive the driver. A builder's Error leaves the command at
// once: later builders, the timing line and the final status are skipped.
class AnalysisDriver {
  public:
    AnalysisDriver(const LexavarApi& api, store::Store& store, Session& session, CommandSink& sink)
        : api_(api), store_(store), session_(session), sink_(sink) {}

    // Called at the end of every successful vocabulary build (the main window
    // enables "Построить сеть" and "Получить распределение частот" there).
    std::function<void()> onVocabularyBuilt;
    // Options of the pairs-and-network builder (diagnostics file, flushing).
    PairsOptions pairsOptions;

    void fullAnalysis(const AnalysisParameters& parameters);  // "Полный анализ"
    void vocabulary();                                        // "Получить словник"
    void sentenceList();  // "Получить список предложений"
    void network();       // "Построить сеть"
    void distribution();  // "Получить распределение частот"

  private:
    void buildVocabulary();

    const LexavarApi& api_;
    store::Store& store_;
    Session& session_;
    CommandSink& sink_;
};

}  // namespace quillon::analysis
