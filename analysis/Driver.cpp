#include "analysis/Driver.h"

#include "analysis/FrequencyDistribution.h"
#include "analysis/SentenceList.h"
#include "analysis/Support.h"
#include "analysis/Vocabulary.h"

namespace quillon::analysis {

void AnalysisDriver::buildVocabulary() {
    BuildVocabulary(api_, store_, session_, sink_, session_.textPath);
    if (onVocabularyBuilt) {
        onVocabularyBuilt();
    }
}

void AnalysisDriver::fullAnalysis(const AnalysisParameters& parameters) {
    sink_.status(QStringLiteral("Идет анализ текста..."));
    const Stopwatch watch;
    if (parameters.fullVocabulary) {
        buildVocabulary();
    }
    if (parameters.sentences) {
        BuildSentenceList(api_, store_, session_, sink_, session_.textPath);
    }
    if (parameters.allPairs) {
        BuildPairsAndNetwork(api_, store_, session_, sink_, session_.textPath, pairsOptions);
    }
    if (parameters.distribution) {
        BuildFrequencyDistribution(store_, session_, sink_);
    }
    sink_.log(QStringLiteral("АНАЛИЗ ЗАВЕРШЕН"));
    sink_.log(QStringLiteral("Общее время анализа: ") + watch.text());
    sink_.status(QStringLiteral("Анализ текста завершен."));
    sink_.progressReset(100);
}

void AnalysisDriver::vocabulary() {
    sink_.status(QStringLiteral("Идет создание словника..."));
    const Stopwatch watch;
    buildVocabulary();
    sink_.log(QStringLiteral("Общее время построения словника: ") + watch.text());
    sink_.status(QStringLiteral("Создание словника завершено."));
}

void AnalysisDriver::sentenceList() {
    const Stopwatch watch;
    sink_.status(QStringLiteral("Идет построение списка предложений..."));
    BuildSentenceList(api_, store_, session_, sink_, session_.textPath);
    sink_.log(QStringLiteral("Общее время создания списка предложений: ") + watch.text());
    sink_.status(QStringLiteral("Построение списка предложений завершено."));
}

void AnalysisDriver::network() {
    sink_.status(QStringLiteral("Идет построение сети..."));
    const Stopwatch watch;
    BuildPairsAndNetwork(api_, store_, session_, sink_, session_.textPath, pairsOptions);
    sink_.log(QStringLiteral("Общее время посроения сети: ") + watch.text());
    sink_.status(QStringLiteral("Построение сети завершено."));
}

void AnalysisDriver::distribution() {
    sink_.status(QStringLiteral("Идет получение распределния частот..."));
    const Stopwatch watch;
    BuildFrequencyDistribution(store_, session_, sink_);
    sink_.log(QStringLiteral("Общее время получения распределения частот: ") + watch.text());
    sink_.status(QStringLiteral("Распределение частот получено."));
}

}  // namespace quillon::analysis
