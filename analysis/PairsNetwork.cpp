#include "analysis/PairsNetwork.h"

#include <QFile>
#include <QTextStream>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "analysis/ConnectionWeights.h"
#include "analysis/Records.h"
#include "analysis/ShellSort.h"
#include "analysis/Support.h"
#include "store/Cp1251.h"
#include "store/RowWriter.h"
#include "store/Schema.h"

namespace quillon::analysis {
namespace {

bool isNounLike(int t) {
    return t == 1 || t == 3 || t == 23;
}

// Finds vocabulary indexes by word text. A word text normally stands once in
// the network vocabulary; should it stand more often, the indexes of one text
// are chained in list order, so a lookup sees them as a scan from index 0
// would.
class VocabularyIndex {
  public:
    explicit VocabularyIndex(const WordList& list) : next_(list.size(), -1) {
        first_.reserve(list.size());
        std::unordered_map<std::string_view, std::int32_t> last;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string_view word = list[i].word;
            const auto index = static_cast<std::int32_t>(i);
            if (const auto [it, added] = first_.emplace(word, index); !added) {
                next_[static_cast<std::size_t>(last[word])] = index;
            }
            last[word] = index;
        }
    }
    // The first index of word, -1 when it is not in the list.
    std::int32_t first(std::string_view word) const {
        const auto it = first_.find(word);
        return it == first_.end() ? -1 : it->second;
    }
    // The next index with the same word as index, -1 after the last.
    std::int32_t next(std::int32_t index) const { return next_[static_cast<std::size_t>(index)]; }

  private:
    std::unordered_map<std::string_view, std::int32_t> first_;
    std::vector<std::int32_t> next_;
};

// Writes pair records to the pairs table, numbering them on from its MAX(id).
class PairWriter {
  public:
    PairWriter(store::Store& store, const QString& table,
               const std::vector<store::BoundText>& words)
        : store_(store), table_(table), words_(words) {}

    void write(const std::vector<VSE_PARY>& pairs, CommandSink* progressSink) {
        FillTransaction fill(store_);
        int id = store_.nextId(table_) - 1;
        store::RowWriter insert(store_, table_,
                                {QStringLiteral("id"), QStringLiteral("word1Id"),
                                 QStringLiteral("word2Id"), QStringLiteral("word1InSent"),
                                 QStringLiteral("word2InSent"), QStringLiteral("predlId")});
        std::optional<ProgressRule> progress;
        if (progressSink) {
            progress.emplace(*progressSink, static_cast<int>(pairs.size()));
        }
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            if (progress) {
                progress->advance(static_cast<int>(i));
            }
            const VSE_PARY& p = pairs[i];
            insert.setInt(0, ++id);
            insert.setText(1, words_[static_cast<std::size_t>(p.word1)]);
            insert.setText(2, words_[static_cast<std::size_t>(p.word2)]);
            insert.setInt(3, p.word1InSent);
            insert.setInt(4, p.word2InSent);
            insert.setInt(5, p.predlId);
            insert.insert();
        }
        fill.commit();
    }

  private:
    store::Store& store_;
    QString table_;
    const std::vector<store::BoundText>& words_;
};

}  // namespace

int pairWeight(int t1, int t2) {
    int weight = 1;
    if (t1 == 1 && t2 == 1) {
        weight += 2;
    }
    if ((t1 == 1 && t2 == 7) || (t2 == 1 && t1 != 0)) {
        weight += 3;
    }
    if ((isNounLike(t1) && t2 == 5) || (isNounLike(t2) && t1 == 5)) {
        weight += 3;
    }
    return weight;
}

PairsSummary BuildPairsAndNetwork(const LexavarApi& api, store::Store& store,
                                  const Session& session, CommandSink& sink, const QString& path,
                                  const PairsOptions& options) {
    sink.status(QStringLiteral("Создание списка связей..."));
    const Stopwatch watch;

    // Tables and registration come first, so an interrupted run leaves both
    // tables registered.
    const QString suffix = QString::number(session.textId);
    const QString pairsTable = store::schema::kParesPrefix + suffix;
    const QString networkTable = store::schema::kNetworkPrefix + suffix;
    store.ensureTable(networkTable, store::schema::kNetworkColumns);
    store.ensureTable(pairsTable, store::schema::kParesColumns);
    store.ensureRegistry();
    store.registerResult(pairsTable, session.textId, store::KindPares);
    store.registerResult(networkTable, session.textId, store::KindNetwork);

    // Pair phase.
    const WordList& vocabulary = session.networkVocabulary;
    const auto n = static_cast<std::int32_t>(vocabulary.size());
    std::vector<store::BoundText> words;
    words.reserve(vocabulary.size());
    for (const WORDS& entry : vocabulary) {
        words.emplace_back(fromCp1251(entry.word));
    }
    const VocabularyIndex index(vocabulary);
    PairWriter writer(store, pairsTable, words);

    PairsSummary summary;
    std::vector<VSE_PARY> pairs;
    std::vector<VSE_PARY> occurrences;
    ConnectionWeights weights(n);
    QFile diagnostics(options.diagnosticsPath);
    const bool haveDiagnostics = diagnostics.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QTextStream diagnosticsOut(&diagnostics);

    api.GrafAnalysFile(libraryPath(path).constData());
    const int sentences = api.GetColSents() > 0 ? api.GetColSents() : 0;
    {
        ProgressRule progress(sink, sentences);
        for (int s = 0; s < sentences; ++s) {
            progress.advance(s);
            int first = 0;
            const int units = api.GetSent(s, &first);
            if (n > 0) {
                for (int u = first; u < first + units; ++u) {
                    const int readings = api.NormolWordByNom(u, 1);
                    const std::int32_t position = u - first;
                    for (int k = 0; k < readings; ++k) {
                        const char* form = api.GetMainForm(k);
                        std::int32_t e = index.first(form ? std::string_view(form) : "");
                        // The entry of the last occurrence at this same position is
                        // passed over.
                        while (e >= 0 && !occurrences.empty() && occurrences.back().word1 == e &&
                               occurrences.back().word1InSent == position) {
                            e = index.next(e);
                        }
                        if (e >= 0) {
                            VSE_PARY occurrence;
                            occurrence.word1 = e;
                            occurrence.word1InSent = position;
                            occurrence.type1 = vocabulary[static_cast<std::size_t>(e)].type;
                            occurrences.push_back(occurrence);
                        }
                    }
                }
            }
            for (const VSE_PARY& o : occurrences) {
                for (const VSE_PARY& g : occurrences) {
                    if (o.word1 >= g.word1 || o.word1InSent == g.word1InSent) {
                        continue;
                    }
                    if (pairs.size() >= options.flushThreshold) {
                        writer.write(pairs, nullptr);
                        pairs.clear();
                    }
                    VSE_PARY pair;
                    pair.word1 = o.word1;
                    pair.word1InSent = o.word1InSent;
                    pair.type1 = o.type1;
                    pair.word2 = g.word1;
                    pair.word2InSent = g.word1InSent;
                    pair.type2 = g.type1;
                    pair.predlId = s;
                    pairs.push_back(pair);
                    ++summary.allConnections;
                    if (!weights.add(pair.word1, pair.word2, pairWeight(pair.type1, pair.type2)) &&
                        haveDiagnostics) {
                        diagnosticsOut << pair.word1 << "  " << pair.word2
                                       << "  ind=" << (pair.word2 - pair.word1 - 1) << "\r\n";
                    }
                }
            }
            occurrences.clear();
        }
    }
    const qint64 pairPhase = watch.elapsed();

    // Saving the pairs.
    sink.status(QStringLiteral("Сохранение результата..."));
    writer.write(pairs, &sink);

    // Network phase.
    sink.status(QStringLiteral("Построение сети..."));
    const Stopwatch networkWatch;
    const std::vector<SVJAZ> cells = weights.connections();
    std::vector<SVJAZ> connections;
    connections.reserve(cells.size());
    {
        ProgressRule progress(sink, n);
        std::size_t next = 0;
        for (std::int32_t i = 0; i < n; ++i) {
            progress.advance(i);
            while (next < cells.size() && cells[next].word1 == i) {
                connections.push_back(cells[next++]);
            }
        }
    }
    sink.log(QStringLiteral("Время построение связей и сети: ") +
             formatElapsed(pairPhase + networkWatch.elapsed()));

    sink.status(QStringLiteral("Сохранение результата CC..."));
    SortConnections(connections);
    {
        FillTransaction fill(store);
        store::RowWriter insert(store, networkTable,
                                {QStringLiteral("id"), QStringLiteral("word1Id"),
                                 QStringLiteral("word2Id"), QStringLiteral("weight")});
        ProgressRule progress(sink, static_cast<int>(connections.size()));
        for (std::size_t i = 0; i < connections.size(); ++i) {
            progress.advance(static_cast<int>(i));
            const SVJAZ& c = connections[i];
            insert.setInt(0, static_cast<qint64>(i));
            insert.setText(1, words[static_cast<std::size_t>(c.word1)]);
            insert.setText(2, words[static_cast<std::size_t>(c.word2)]);
            insert.setInt(3, c.weight);
            insert.insert();
        }
        fill.commit();
    }
    summary.connections = static_cast<std::int64_t>(connections.size());

    sink.log(QStringLiteral("Количество всех связей: ") + QString::number(summary.allConnections));
    sink.log(QStringLiteral("Количество различных связей:") + QString::number(summary.connections));
    sink.log(QString());
    sink.log(QString());
    sink.status(QStringLiteral("Создание связей завершено"));
    sink.progressReset(100);
    return summary;
}

}  // namespace quillon::analysis
