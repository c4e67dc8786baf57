// The analysis commands: the full analysis with all, none and a failing
// builder, and the status texts and timing lines of the single steps.

#include <gtest/gtest.h>

#include "FakeLexavar.h"
#include "TestSupport.h"
#include "analysis/Driver.h"

using namespace quillon;
using namespace quillon::testing;

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

class Driver : public ::testing::Test {
  protected:
    void SetUp() override {
        setFakeText({{unit("Кот", "кот:1"), unit(" "), unit("спит", "спать:5"), unit(". ")},
                     {unit("Кот", "кот:1"), unit(" "), unit("ест", "есть:5")}});
        session.textId = 1;
        session.textPath = "text";
        driver.pairsOptions.diagnosticsPath = db.folder() + "/errors.txt";
        driver.onVocabularyBuilt = [this] { ++vocabularyBuilds; };
    }

    TempDatabase db;
    Session session;
    RecordingSink sink;
    LexavarApi api = fakeLexavar();
    analysis::AnalysisDriver driver{api, db.store(), session, sink};
    int vocabularyBuilds = 0;
};

}  // namespace

TEST_F(Driver, FullAnalysisRunsEveryBuilderInOrder) {
    driver.fullAnalysis({});
    EXPECT_EQ(registry(db.store()),
              QStringList({"1|words_all_1|1|0|0|0|0", "2|words_network_1|1|1|0|0|0",
                           "3|sentences_1|1|2|0|0|0", "4|pares_1|1|5|0|0|0",
                           "5|network_1|1|6|0|0|0", "6|words_friquency_1|1|7|0|0|0"}));
    EXPECT_EQ(rows(db.store(), "words_all_1", "word, friquency"),
              QStringList({u8("кот|2"), u8("спать|1"), u8("есть|1")}));
    EXPECT_EQ(rows(db.store(), "network_1", "word1Id, word2Id, weight"),
              QStringList({u8("кот|спать|4"), u8("кот|есть|4")}));
    EXPECT_EQ(rows(db.store(), "words_friquency_1"), QStringList({"1|2|1", "2|1|2"}));
    EXPECT_EQ(vocabularyBuilds, 1);
    EXPECT_EQ(sink.statuses.first(), u8("Идет анализ текста..."));
    EXPECT_EQ(sink.statuses.last(), u8("Анализ текста завершен."));
    EXPECT_EQ(sink.logs.mid(sink.logs.size() - 2),
              QStringList({u8("АНАЛИЗ ЗАВЕРШЕН"), u8("Общее время анализа: 0:00:00")}));
}

TEST_F(Driver, FullAnalysisWithEveryBoxOffOnlyLogsItsEnd) {
    driver.fullAnalysis(analysis::AnalysisParameters::none());
    EXPECT_EQ(sink.logs, QStringList({u8("АНАЛИЗ ЗАВЕРШЕН"), u8("Общее время анализа: 0:00:00")}));
    EXPECT_EQ(sink.statuses,
              QStringList({u8("Идет анализ текста..."), u8("Анализ текста завершен.")}));
    EXPECT_FALSE(db.store().tableExists("Results"));
    EXPECT_EQ(vocabularyBuilds, 0);
}

TEST_F(Driver, FailingBuilderEndsTheCommandKeepingEarlierTables) {
    // A table of that name with another layout makes the sentence inserts fail
    // to prepare.
    db.store().exec("CREATE TABLE sentences_1 (id INTEGER PRIMARY KEY, other TEXT)");
    EXPECT_THROW(driver.fullAnalysis({}), Error);
    EXPECT_EQ(rows(db.store(), "words_all_1").size(), 3);
    EXPECT_EQ(registry(db.store()).size(), 2);
    EXPECT_FALSE(db.store().tableExists("pares_1"));
    EXPECT_FALSE(sink.logs.contains(u8("АНАЛИЗ ЗАВЕРШЕН")));
    EXPECT_EQ(vocabularyBuilds, 1);
}

TEST_F(Driver, SingleStepsReportTheirOwnStatusAndTime) {
    struct Step {
        void (analysis::AnalysisDriver::*command)();
        const char* before;
        const char* timing;
        const char* after;
    };
    const Step steps[] = {
        {&analysis::AnalysisDriver::vocabulary, "Идет создание словника...",
         "Общее время построения словника: ", "Создание словника завершено."},
        {&analysis::AnalysisDriver::sentenceList, "Идет построение списка предложений...",
         "Общее время создания списка предложений: ", "Построение списка предложений завершено."},
        {&analysis::AnalysisDriver::network, "Идет построение сети...",
         "Общее время посроения сети: ", "Построение сети завершено."},
        {&analysis::AnalysisDriver::distribution, "Идет получение распределния частот...",
         "Общее время получения распределения частот: ", "Распределение частот получено."},
    };
    for (const Step& step : steps) {
        sink.statuses.clear();
        sink.logs.clear();
        (driver.*step.command)();
        EXPECT_EQ(sink.statuses.first(), u8(step.before));
        EXPECT_EQ(sink.statuses.last(), u8(step.after));
        EXPECT_EQ(sink.logs.last(), u8(step.timing) + "0:00:00");
    }
    EXPECT_EQ(vocabularyBuilds, 1);
    EXPECT_EQ(registry(db.store()).size(), 6);
}
