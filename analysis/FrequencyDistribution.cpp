#include "analysis/FrequencyDistribution.h"

#include "analysis/Support.h"
#include "store/RowWriter.h"
#include "store/Schema.h"

namespace quillon::analysis {

std::vector<FrequencyGroup> frequencyGroups(const WordList& vocabulary) {
    std::vector<FrequencyGroup> groups;
    std::size_t i = 0;
    while (i < vocabulary.size()) {
        const std::int32_t f = vocabulary[i].friquency;
        std::size_t j = i;
        while (j < vocabulary.size() && vocabulary[j].friquency == f) {
            ++j;
        }
        groups.push_back(FrequencyGroup{f, static_cast<std::int32_t>(j - i)});
        i = j;
    }
    return groups;
}

void BuildFrequencyDistribution(store::Store& store, const Session& session, CommandSink& sink) {
    sink.status(QStringLiteral("Расчет частот..."));
    store.ensureRegistry();
    const QString table = store::schema::kWordsFriquencyPrefix + QString::number(session.textId);
    const WordList& vocabulary = session.fullVocabulary;
    {
        FillTransaction fill(store);
        int id = store.ensureTable(table, store::schema::kWordsFriquencyColumns);
        store::RowWriter insert(
            store, table,
            {QStringLiteral("id"), QStringLiteral("friquency"), QStringLiteral("wordsnumber")});
        ProgressRule progress(sink, static_cast<int>(vocabulary.size()));
        int start = 0;  // index of the group's first entry
        for (const FrequencyGroup& group : frequencyGroups(vocabulary)) {
            progress.advance(start);
            insert.setInt(0, ++id);
            insert.setInt(1, group.friquency);
            insert.setInt(2, group.wordsnumber);
            insert.insert();
            start += group.wordsnumber;
        }
        fill.commit();
    }
    sink.status(QStringLiteral("Сохранение результата..."));
    store.registerResult(table, session.textId, store::KindFrequency);

    sink.log(QStringLiteral("Расчет частот завершен"));
    sink.log(QString());
    sink.log(QString());
    sink.status(QStringLiteral("Расчет частот завершен"));
    sink.progressReset(100);
}

}  // namespace quillon::analysis
