#include "analysis/Vocabulary.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "analysis/ShellSort.h"
#include "analysis/Support.h"
#include "store/Cp1251.h"
#include "store/RowWriter.h"
#include "store/Schema.h"

namespace quillon::analysis {
namespace {

// Word text -> position in its list. Each list holds a word text at most once,
// so the position found is the one a scan from the first entry would find.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using WordIndex = std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>>;

void numberList(WordList& list) {
    const double count = static_cast<double>(list.size());
    for (std::size_t p = 0; p < list.size(); ++p) {
        list[p].id = static_cast<std::int32_t>(p);
        list[p].norm_friq = static_cast<float>(list[p].friquency / count);
    }
}

}  // namespace

bool isCapitalisedType(int type) {
    return type == 3 || type == 4 || type == 23;
}

bool isExcludedType(int type) {
    return type == 0 || type == 2 || (type >= 17 && type <= 21);
}

bool startsWithCapital(const char* unit) {
    if (unit == nullptr) {
        return false;
    }
    const auto first = static_cast<unsigned char>(unit[0]);
    return first >= 0xC0 && first <= 0xDF;
}

VocabularyLists collectVocabulary(const LexavarApi& api, const QString& path, CommandSink& sink) {
    VocabularyLists lists;
    lists.units = api.GrafAnalysFile(libraryPath(path).constData());
    if (lists.units < 0) {
        lists.units = 0;
    }
    WordIndex fullIndex;
    WordIndex networkIndex;
    // The readings of the current unit, to skip repeats of a form and type.
    std::vector<std::pair<std::string, int>> readings;

    ProgressRule progress(sink, lists.units);
    for (int u = 0; u < lists.units; ++u) {
        progress.advance(u);
        const int n = api.NormolWordByNom(u, 1);
        if (n <= 0) {
            continue;
        }
        readings.clear();
        int capital = -1;  // the capital test of unit u, made when first needed
        for (int k = 0; k < n; ++k) {
            const char* mainForm = api.GetMainForm(k);
            std::string form = mainForm ? mainForm : "";
            const int type = api.GetType(k);
            bool repeated = false;
            for (const auto& [earlierForm, earlierType] : readings) {
                if (earlierType == type && earlierForm == form) {
                    repeated = true;
                    break;
                }
            }
            readings.emplace_back(form, type);
            if (repeated) {
                continue;
            }
            bool capitalOk = true;
            if (isCapitalisedType(type)) {
                if (capital < 0) {
                    capital = startsWithCapital(api.GetWord(u)) ? 1 : 0;
                }
                capitalOk = capital == 1;
            }

            bool counted = true;
            if (const auto it = networkIndex.find(std::string_view(form));
                it != networkIndex.end()) {
                if (capitalOk) {
                    ++lists.network[it->second].friquency;
                } else {
                    counted = false;
                }
            }
            if (const auto it = fullIndex.find(std::string_view(form)); it != fullIndex.end()) {
                if (counted) {
                    ++lists.full[it->second].friquency;
                }
                continue;
            }
            if (!capitalOk) {
                continue;
            }
            WORDS entry;
            entry.firstUnit = u;
            entry.word = form;
            entry.friquency = 1;
            entry.type = type;
            fullIndex.emplace(form, lists.full.size());
            lists.full.push_back(entry);
            if (!isExcludedType(type)) {
                networkIndex.emplace(std::move(form), lists.network.size());
                lists.network.push_back(std::move(entry));
            }
        }
    }

    SortByFrequency(lists.full, static_cast<std::ptrdiff_t>(lists.full.size()));
    SortByFrequency(lists.network, static_cast<std::ptrdiff_t>(lists.network.size()));
    numberList(lists.full);
    numberList(lists.network);
    return lists;
}

void storeWordList(store::Store& store, CommandSink& sink, const QString& table,
                   const WordList& list, int textId, int kind) {
    {
        FillTransaction fill(store);
        int id = store.ensureTable(table, store::schema::kWordsColumns);
        sink.progressReset(static_cast<int>(list.size()));
        store::RowWriter insert(
            store, table,
            {QStringLiteral("id"), QStringLiteral("word"), QStringLiteral("friquency"),
             QStringLiteral("type"), QStringLiteral("norm_friq")});
        for (const WORDS& entry : list) {
            const store::BoundText word(fromCp1251(entry.word));
            insert.setInt(0, ++id);
            insert.setText(1, word);
            insert.setInt(2, entry.friquency);
            insert.setInt(3, entry.type);
            insert.setDouble(4, static_cast<double>(entry.norm_friq));
            insert.insert();
            sink.progressStep();
        }
        fill.commit();
    }
    store.registerResult(table, textId, kind);
}

void BuildVocabulary(const LexavarApi& api, store::Store& store, Session& session,
                     CommandSink& sink, const QString& path) {
    sink.progressReset(100);
    sink.status(QStringLiteral("Получение словника..."));
    const Stopwatch watch;

    session.fullVocabulary.clear();
    session.networkVocabulary.clear();
    VocabularyLists lists = collectVocabulary(api, path, sink);
    session.fullVocabulary = std::move(lists.full);
    session.networkVocabulary = std::move(lists.network);

    sink.log(QStringLiteral("Время построение словника: ") + watch.text());
    sink.status(QStringLiteral("Сохранение результата..."));
    store.ensureRegistry();
    const QString suffix = QString::number(session.textId);
    storeWordList(store, sink, store::schema::kWordsAllPrefix + suffix, session.fullVocabulary,
                  session.textId, store::KindWordsAll);
    storeWordList(store, sink, store::schema::kWordsNetworkPrefix + suffix,
                  session.networkVocabulary, session.textId, store::KindWordsNetwork);

    sink.log(QStringLiteral("Построение списков слов завершено"));
    sink.log(
        QStringLiteral("Число 'слов' с учетом пробелов, знаков препинания и чисел в тексте: ") +
        QString::number(lists.units));
    sink.log(QStringLiteral("Всего слов: ") + QString::number(session.fullVocabulary.size()));
    sink.log(QStringLiteral("Слов для последующего образования пар: ") +
             QString::number(session.networkVocabulary.size()));
    sink.log(QString());
    sink.log(QString());
    sink.status(QStringLiteral("Создание словников завершено"));
    sink.progressReset(100);
}

}  // namespace quillon::analysis
