// The pairs-and-network builder: which occurrences pair up, the weights and
// their asymmetry, the network's order, flushing and re-running.

#include <gtest/gtest.h>

#include <QFile>

#include "FakeLexavar.h"
#include "TestSupport.h"
#include "analysis/ConnectionWeights.h"
#include "analysis/PairsNetwork.h"
#include "analysis/ShellSort.h"
#include "store/Cp1251.h"

using namespace quillon;
using namespace quillon::testing;

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

WordList networkVocabulary(const std::vector<std::pair<const char*, int>>& words) {
    WordList list;
    for (const auto& [word, type] : words) {
        WORDS w;
        w.id = static_cast<std::int32_t>(list.size());
        w.word = toCp1251String(QString::fromUtf8(word));
        w.type = type;
        list.push_back(w);
    }
    return list;
}

}  // namespace

TEST(PairsNetwork, WeightOfOneCoOccurrence) {
    struct Case {
        int t1, t2, weight;
    };
    for (const Case c :
         {Case{1, 1, 6}, Case{5, 1, 7}, Case{1, 5, 4}, Case{1, 7, 4}, Case{7, 1, 4}, Case{0, 1, 1},
          Case{3, 5, 4}, Case{5, 23, 4}, Case{2, 2, 1}, Case{5, 7, 1}}) {
        EXPECT_EQ(analysis::pairWeight(c.t1, c.t2), c.weight) << c.t1 << "," << c.t2;
    }
}

TEST(PairsNetwork, ConnectionListKeepsRowOrderBeforeTheSort) {
    analysis::ConnectionWeights weights(5);
    // Added out of order; (3, 1) and (2, 5) name no cell and change nothing.
    EXPECT_TRUE(weights.add(1, 2, 2));
    EXPECT_TRUE(weights.add(0, 4, 1));
    EXPECT_TRUE(weights.add(0, 2, 1));
    EXPECT_TRUE(weights.add(0, 1, 1));
    EXPECT_TRUE(weights.add(0, 3, 1));
    EXPECT_FALSE(weights.add(3, 1, 1));
    EXPECT_FALSE(weights.add(2, 5, 1));
    EXPECT_EQ(weights.at(1, 2), 2);
    EXPECT_EQ(weights.at(2, 3), 0);
    auto list = weights.connections();
    auto text = [](const std::vector<analysis::SVJAZ>& l) {
        std::string out;
        for (const auto& c : l) {
            out += std::to_string(c.word1) + std::to_string(c.word2) + ":" +
                   std::to_string(c.weight) + " ";
        }
        return out;
    };
    EXPECT_EQ(text(list), "01:1 02:1 03:1 04:1 12:2 ");
    analysis::SortConnections(list);
    // Equal weights do not keep the row order.
    EXPECT_EQ(text(list), "12:2 02:1 03:1 04:1 01:1 ");
}

class PairsNetworkBuild : public ::testing::Test {
  protected:
    void SetUp() override {
        session.textId = 4;
        session.networkVocabulary =
            networkVocabulary({{"дом", 1}, {"сад", 1}, {"идти", 5}, {"новый", 7}, {"лес", 1}});
        setFakeText({
            {unit("сад", "сад:1"), unit(" "), unit("дом", "дом:1"), unit(" "),
             unit("идти", "идти:5"), unit(". ")},
            // "идти" twice; one unit read as "дом" and as "сад".
            {unit("идти", "идти:5"), unit(" "), unit("дом", "дом:1 сад:1"), unit(" "),
             unit("идти", "идти:5"), unit("новый", "новый:7"), unit(". ")},
            // Two readings of one form give one occurrence; "пруд" is no network word.
            {unit("идти", "идти:5"), unit(" "), unit("лес", "лес:1 лес:2"), unit("пруд", "пруд:1")},
        });
        options.diagnosticsPath = db.folder() + "/errors.txt";
    }

    TempDatabase db;
    Session session;
    analysis::PairsOptions options;
};

TEST_F(PairsNetworkBuild, StoresPairsAndWeightedNetwork) {
    QFile old(options.diagnosticsPath);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("left from before\n");
    old.close();

    RecordingSink sink;
    const auto summary =
        analysis::BuildPairsAndNetwork(fakeLexavar(), db.store(), session, sink, "text", options);
    EXPECT_EQ(summary.allConnections, 12);
    EXPECT_EQ(summary.connections, 7);
    // word1 is the smaller vocabulary index, whatever the order in the sentence.
    EXPECT_EQ(rows(db.store(), "pares_4"),
              QStringList({u8("1|сад|идти|0|4|0"), u8("2|дом|сад|2|0|0"), u8("3|дом|идти|2|4|0"),
                           u8("4|идти|новый|0|5|1"), u8("5|дом|идти|2|0|1"), u8("6|дом|идти|2|4|1"),
                           u8("7|дом|новый|2|5|1"), u8("8|сад|идти|2|0|1"), u8("9|сад|идти|2|4|1"),
                           u8("10|сад|новый|2|5|1"), u8("11|идти|новый|4|5|1"),
                           u8("12|идти|лес|0|2|2")}));
    EXPECT_EQ(rows(db.store(), "network_4"),
              QStringList({u8("0|дом|идти|12"), u8("1|сад|идти|12"), u8("2|идти|лес|7"),
                           u8("3|дом|сад|6"), u8("4|сад|новый|4"), u8("5|дом|новый|4"),
                           u8("6|идти|новый|2")}));
    EXPECT_EQ(registry(db.store()), QStringList({"1|pares_4|4|5|0|0|0", "2|network_4|4|6|0|0|0"}));
    EXPECT_EQ(sink.statuses,
              QStringList({u8("Создание списка связей..."), u8("Сохранение результата..."),
                           u8("Построение сети..."), u8("Сохранение результата CC..."),
                           u8("Создание связей завершено")}));
    EXPECT_EQ(sink.logs, QStringList({u8("Время построение связей и сети: 0:00:00"),
                                      u8("Количество всех связей: 12"),
                                      u8("Количество различных связей:7"), QString(), QString()}));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.size(), 0);
}

TEST_F(PairsNetworkBuild, FlushingAndRerunsGiveTheSameRows) {
    NullSink sink;
    analysis::BuildPairsAndNetwork(fakeLexavar(), db.store(), session, sink, "text", options);
    const QStringList pairs = rows(db.store(), "pares_4");
    const QStringList network = rows(db.store(), "network_4");
    ASSERT_EQ(pairs.size(), 12);
    for (const std::size_t threshold : {5u, 1u, 12u}) {
        options.flushThreshold = threshold;
        analysis::BuildPairsAndNetwork(fakeLexavar(), db.store(), session, sink, "text", options);
        EXPECT_EQ(rows(db.store(), "pares_4"), pairs) << threshold;
        EXPECT_EQ(rows(db.store(), "network_4"), network) << threshold;
    }
    EXPECT_EQ(registry(db.store()).size(), 2);
}

TEST_F(PairsNetworkBuild, WithoutVocabularyTablesAreEmptyButRegistered) {
    session.networkVocabulary.clear();
    RecordingSink sink;
    analysis::BuildPairsAndNetwork(fakeLexavar(), db.store(), session, sink, "text", options);
    EXPECT_TRUE(rows(db.store(), "pares_4").isEmpty());
    EXPECT_TRUE(rows(db.store(), "network_4").isEmpty());
    EXPECT_EQ(registry(db.store()).size(), 2);
    EXPECT_EQ(sink.logs.mid(1, 2),
              QStringList({u8("Количество всех связей: 0"), u8("Количество различных связей:0")}));
}
