// The vocabulary builder: which readings count where, the tie order of the
// frequency sort, the stored tables and their registration.

#include <gtest/gtest.h>

#include "FakeLexavar.h"
#include "TestSupport.h"
#include "analysis/ShellSort.h"
#include "analysis/Vocabulary.h"
#include "store/Cp1251.h"

using namespace quillon;
using namespace quillon::testing;

namespace {

QString u8(const std::string& s) {
    return QString::fromStdString(s);
}

// word|friquency|type|firstUnit|id of every entry, in list order.
QStringList describe(const WordList& list) {
    QStringList out;
    for (const WORDS& w : list) {
        out << QStringLiteral("%1|%2|%3|%4|%5")
                   .arg(fromCp1251(w.word))
                   .arg(w.friquency)
                   .arg(w.type)
                   .arg(w.firstUnit)
                   .arg(w.id);
    }
    return out;
}

}  // namespace

TEST(Vocabulary, CountsReadingsByFormTypeAndCapital) {
    setFakeText({
        {unit("Мама", "мама:1"), unit(" "), unit("мыла", "мыть:5 мыло:1 мыть:5"), unit(" "),
         unit("раму", "рама:1 рама:7"), unit(".")},
        {unit("мама", "мама:1"),
         unit("иванов", "иванов:3"),   // small letter, not yet known: not added
         unit("Иванов", "иванов:3"),   // capital: added
         unit("иванов", "иванов:3"),   // small, in the network: counted nowhere
         unit("и", "и:17"),            // excluded type: full vocabulary only
         unit("и", "и:1"),             // counted in the full vocabulary only
         unit("петров", "петров:0"),   // excluded type creates it
         unit("петров", "петров:23"),  // small, full vocabulary only: counted there
         unit("xyz")},
    });
    NullSink sink;
    const auto lists = analysis::collectVocabulary(fakeLexavar(), "text", sink);
    EXPECT_EQ(lists.units, 15);
    // Equal friquencies in the order the Shell sort leaves them.
    EXPECT_EQ(describe(lists.full),
              QStringList({u8("мама|2|1|0|0"), u8("и|2|17|10|1"), u8("петров|2|0|12|2"),
                           u8("рама|2|1|4|3"), u8("иванов|1|3|8|4"), u8("мыть|1|5|2|5"),
                           u8("мыло|1|1|2|6")}));
    EXPECT_EQ(describe(lists.network),
              QStringList({u8("мама|2|1|0|0"), u8("рама|2|1|4|1"), u8("мыть|1|5|2|2"),
                           u8("мыло|1|1|2|3"), u8("иванов|1|3|8|4")}));
    EXPECT_FLOAT_EQ(lists.full[0].norm_friq, 2.0f / 7.0f);
    EXPECT_FLOAT_EQ(lists.network[4].norm_friq, 1.0f / 5.0f);
}

TEST(Vocabulary, SortByFrequencyKeepsTheShellSortTieOrder) {
    struct Case {
        std::vector<int> friquencies;  // of entries named a, b, c, ... in creation order
        const char* expected;          // names after the sort
    };
    const Case cases[] = {
        {{1, 3, 3, 2}, "bcda"},
        {{1, 1, 1, 1, 2}, "ebcda"},  // a stable sort would give "eabcd"
        {{4}, "a"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        WordList list;
        for (std::size_t i = 0; i < c.friquencies.size(); ++i) {
            WORDS w;
            w.word = std::string(1, static_cast<char>('a' + i));
            w.friquency = c.friquencies[i];
            list.push_back(w);
        }
        analysis::SortByFrequency(list, static_cast<std::ptrdiff_t>(list.size()));
        std::string order;
        for (const WORDS& w : list) {
            order += w.word;
        }
        EXPECT_EQ(order, c.expected);
    }
}

TEST(Vocabulary, ProgressOverTheUnits) {
    struct Case {
        int units;
        int maximum;
        int advances;
    };
    // Over 100 units the bar has 100 steps of width units / 100.
    for (const Case c : {Case{250, 100, 124}, Case{100, 100, 100}, Case{7, 7, 7}}) {
        setFakeText({FakeSentence(static_cast<std::size_t>(c.units), unit(" "))});
        RecordingSink sink;
        analysis::collectVocabulary(fakeLexavar(), "text", sink);
        ASSERT_EQ(sink.resets.size(), 1u);
        EXPECT_EQ(sink.resets[0], c.maximum) << c.units;
        EXPECT_EQ(sink.steps[0], c.advances) << c.units;
    }
}

TEST(Vocabulary, StoresRegistersAndReplacesBothTables) {
    const std::string longForm(40, 'a');
    setFakeText({{unit("Слово", "слово:1"), unit(" "), unit("о'кей", "о'кей:300"),
                  unit("слово", "слово:1"), unit("и", "и:17"), unit("длинное", longForm + ":1")}});
    TempDatabase db;
    Session session;
    session.textId = 7;
    for (int run = 0; run < 2; ++run) {
        RecordingSink sink;
        analysis::BuildVocabulary(fakeLexavar(), db.store(), session, sink, "text");
        EXPECT_EQ(sink.statuses,
                  QStringList({u8("Получение словника..."), u8("Сохранение результата..."),
                               u8("Создание словников завершено")}));
        ASSERT_EQ(sink.logs.size(), 7);
        EXPECT_TRUE(sink.logs[0].startsWith(u8("Время построение словника: 0:00:0")));
        EXPECT_EQ(sink.logs.mid(1),
                  QStringList({u8("Построение списков слов завершено"),
                               u8("Число 'слов' с учетом пробелов, знаков препинания и чисел в "
                                  "тексте: 6"),
                               u8("Всего слов: 4"), u8("Слов для последующего образования пар: 3"),
                               QString(), QString()}));
    }
    // A quote, a type past 255 and a form past 30 characters are stored as they are.
    EXPECT_EQ(rows(db.store(), "words_all_7", "id, word, friquency, type"),
              QStringList({u8("1|слово|2|1"), u8("2|о'кей|1|300"), u8("3|и|1|17"),
                           u8("4|") + QString::fromStdString(longForm) + u8("|1|1")}));
    EXPECT_EQ(rows(db.store(), "words_network_7", "id, word, friquency, type"),
              QStringList({u8("1|слово|2|1"), u8("2|о'кей|1|300"),
                           u8("3|") + QString::fromStdString(longForm) + u8("|1|1")}));
    EXPECT_EQ(registry(db.store()),
              QStringList({"1|words_all_7|7|0|0|0|0", "2|words_network_7|7|1|0|0|0"}));
    EXPECT_EQ(session.fullVocabulary.size(), 4u);
    EXPECT_EQ(session.networkVocabulary.size(), 3u);
}

TEST(Vocabulary, NormalisedFrequencyIsStoredAsWritten) {
    // Twelve words, the first three times: 3 / 12 = 0.25.
    FakeSentence sentence;
    for (int i = 0; i < 3; ++i) {
        sentence.push_back(unit("а", "а:1"));
    }
    for (int i = 0; i < 11; ++i) {
        const std::string w = "w" + std::string(1, static_cast<char>('a' + i));
        sentence.push_back(unit(w, w + ":1"));
    }
    setFakeText({sentence});
    TempDatabase db;
    Session session;
    session.textId = 1;
    NullSink sink;
    analysis::BuildVocabulary(fakeLexavar(), db.store(), session, sink, "text");
    EXPECT_EQ(rows(db.store(), "words_all_1", "norm_friq").first(), "0.25");
}

TEST(Vocabulary, UnreadableTextGivesEmptyRegisteredTables) {
    setFakeText({{unit("слово", "слово:1")}});
    TempDatabase db;
    Session session;
    session.textId = 3;
    session.fullVocabulary.resize(2);  // an earlier build's lists are replaced
    RecordingSink sink;
    analysis::BuildVocabulary(fakeLexavar(), db.store(), session, sink, "missing");
    EXPECT_TRUE(session.fullVocabulary.empty());
    EXPECT_TRUE(rows(db.store(), "words_all_3").isEmpty());
    EXPECT_TRUE(rows(db.store(), "words_network_3").isEmpty());
    EXPECT_EQ(registry(db.store()).size(), 2);
    EXPECT_TRUE(sink.logs.contains(
        u8("Число 'слов' с учетом пробелов, знаков препинания и чисел в тексте: 0")));
    EXPECT_TRUE(sink.logs.contains(u8("Всего слов: 0")));
}
