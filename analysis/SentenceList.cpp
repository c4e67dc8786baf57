#include "analysis/SentenceList.h"

#include "analysis/Support.h"
#include "store/Cp1251.h"
#include "store/RowWriter.h"
#include "store/Schema.h"

namespace quillon::analysis {

std::vector<std::string> BuildSentenceList(const LexavarApi& api, store::Store& store,
                                           const Session& session, CommandSink& sink,
                                           const QString& path) {
    sink.status(QStringLiteral("Получение списка предложений..."));
    const Stopwatch watch;

    std::vector<std::string> sentences;
    api.GrafAnalysFile(libraryPath(path).constData());
    const int count = api.GetColSents() > 0 ? api.GetColSents() : 0;
    sentences.reserve(static_cast<std::size_t>(count));
    {
        ProgressRule progress(sink, count);
        for (int i = 0; i < count; ++i) {
            const char* text = api.GetSentText(i);
            sentences.emplace_back(text ? text : "");
            progress.advance(i);
        }
    }
    sink.log(QStringLiteral("Время построение списка предложений: ") + watch.text());
    sink.status(QStringLiteral("Сохранение результата..."));

    store.ensureRegistry();
    const QString table = store::schema::kSentencesPrefix + QString::number(session.textId);
    {
        FillTransaction fill(store);
        int id = store.ensureTable(table, store::schema::kSentencesColumns);
        store::RowWriter insert(store, table, {QStringLiteral("id"), QStringLiteral("sentence")});
        ProgressRule progress(sink, count);
        for (int i = 0; i < count; ++i) {
            const store::BoundText sentence(fromCp1251(sentences[static_cast<std::size_t>(i)]));
            insert.setInt(0, ++id);
            insert.setText(1, sentence);
            try {
                insert.insert();
            } catch (const Error&) {
                sink.log(QStringLiteral("Error:: "));
                sink.log(sentence.text);
            }
            progress.advance(i);
        }
        fill.commit();
    }
    store.registerResult(table, session.textId, store::KindSentences);

    sink.log(QStringLiteral("Количество предложений: ") + QString::number(count));
    sink.log(QString());
    sink.log(QString());
    sink.status(QStringLiteral("Создание списка предложений завершено"));
    sink.progressReset(100);
    return sentences;
}

}  // namespace quillon::analysis
