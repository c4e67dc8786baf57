// The sentence list and the frequency distribution.

#include <gtest/gtest.h>

#include "FakeLexavar.h"
#include "TestSupport.h"
#include "analysis/FrequencyDistribution.h"
#include "analysis/SentenceList.h"

using namespace quillon;
using namespace quillon::testing;

namespace {
QString u8(const char* s) {
    return QString::fromUtf8(s);
}
}  // namespace

TEST(SentenceList, StoresEachTextsSentencesOnceRegistered) {
    TempDatabase db;
    Session session;
    setFakeText(
        {{unit("Он"), unit(" "), unit("сказал"), unit(": "), unit("\"Д'Артаньян\""), unit(". ")},
         {unit("Да"), unit(". ")}});
    session.textId = 1;
    for (int run = 0; run < 2; ++run) {
        RecordingSink sink;
        const auto list =
            analysis::BuildSentenceList(fakeLexavar(), db.store(), session, sink, "text");
        EXPECT_EQ(list.size(), 2u);
        EXPECT_EQ(sink.statuses, QStringList({u8("Получение списка предложений..."),
                                              u8("Сохранение результата..."),
                                              u8("Создание списка предложений завершено")}));
        EXPECT_EQ(sink.logs, QStringList({u8("Время построение списка предложений: 0:00:00"),
                                          u8("Количество предложений: 2"), QString(), QString()}));
    }
    // Quotes of both kinds are stored as they stand.
    EXPECT_EQ(rows(db.store(), "sentences_1"),
              QStringList({u8("1|Он сказал: \"Д'Артаньян\". "), u8("2|Да. ")}));

    setFakeText({{unit("Нет"), unit(".")}});
    session.textId = 2;
    NullSink sink;
    analysis::BuildSentenceList(fakeLexavar(), db.store(), session, sink, "other");
    EXPECT_EQ(rows(db.store(), "sentences_2"), QStringList({u8("1|Нет.")}));
    EXPECT_EQ(rows(db.store(), "sentences_1").size(), 2);
    EXPECT_EQ(registry(db.store()),
              QStringList({"1|sentences_1|1|2|0|0|0", "2|sentences_2|2|2|0|0|0"}));
}

TEST(FrequencyDistribution, GroupsOfEqualFrequency) {
    struct Case {
        std::vector<int> friquencies;
        std::vector<std::pair<int, int>> groups;  // friquency, wordsnumber
    };
    const Case cases[] = {
        {{5, 5, 3, 3, 3, 2, 1, 1}, {{5, 2}, {3, 3}, {2, 1}, {1, 2}}},
        {{4, 4, 4}, {{4, 3}}},
        {{9, 1}, {{9, 1}, {1, 1}}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        WordList list(c.friquencies.size());
        int total = 0;
        for (std::size_t i = 0; i < list.size(); ++i) {
            list[i].friquency = c.friquencies[i];
            total += c.friquencies[i];
        }
        const auto groups = analysis::frequencyGroups(list);
        std::vector<std::pair<int, int>> got;
        int words = 0;
        int occurrences = 0;
        for (const auto& g : groups) {
            got.emplace_back(g.friquency, g.wordsnumber);
            words += g.wordsnumber;
            occurrences += g.friquency * g.wordsnumber;
        }
        EXPECT_EQ(got, c.groups);
        EXPECT_EQ(words, static_cast<int>(list.size()));
        EXPECT_EQ(occurrences, total);
    }
}

TEST(FrequencyDistribution, StoresRowsOnceRegistered) {
    TempDatabase db;
    Session session;
    session.textId = 5;
    for (const int f : {5, 5, 3, 3, 3, 2, 1, 1}) {
        WORDS w;
        w.friquency = f;
        session.fullVocabulary.push_back(w);
    }
    for (int run = 0; run < 2; ++run) {
        RecordingSink sink;
        analysis::BuildFrequencyDistribution(db.store(), session, sink);
        EXPECT_EQ(sink.statuses,
                  QStringList({u8("Расчет частот..."), u8("Сохранение результата..."),
                               u8("Расчет частот завершен")}));
        EXPECT_EQ(sink.logs, QStringList({u8("Расчет частот завершен"), QString(), QString()}));
    }
    EXPECT_EQ(rows(db.store(), "words_friquency_5"),
              QStringList({"1|5|2", "2|3|3", "3|2|1", "4|1|2"}));
    EXPECT_EQ(registry(db.store()), QStringList({"1|words_friquency_5|5|7|0|0|0"}));
}
