// The builders on the real Lexavar with a small fixture dictionary whose type
// codes the test sets: nouns 1, verbs 7, first names 3, conjunctions 17.

#include <gtest/gtest.h>

#include <QFile>

#include "TestSupport.h"
#include "analysis/Driver.h"
#include "store/Cp1251.h"

using namespace quillon;
using namespace quillon::testing;

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

void writeCp1251(const QString& path, const char* utf8) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(toCp1251(QString::fromUtf8(utf8)));
}

}  // namespace

TEST(LexavarPipeline, FullAnalysisOfAFixtureText) {
    TempDatabase db;
    const QString dir = db.folder();
    writeCp1251(dir + "/types.chn",
                "аа сущ x010000000000000\nаб гл x070000000000000\n"
                "ав имя x030000000000000\nаг союз x170000000000000\n");
    // мам-а/рам-а, мы-ть, иван, и, дом, мыл-о
    writeCp1251(dir + "/end.mdl",
                "а аа 0 ы аа 1 у аа 1 \nть аб 0 л аб 1 ла аб 1 ли аб 1 \n ав 0 а ав 1 \n"
                " аг 0 \n аа 0 а аа 1 у аа 1 \nо аа 0 а аа 1 \n");
    writeCp1251(dir + "/main.dic",
                "дом 4 яя\nи 3 яя\nиван 2 яя\nмам 0 яя\nмы 1 яя\nмыл 5 яя\nрам 0 яя\n");
    // "мыла" reads as мыть and as мыло; the small "иван" does not count.
    writeCp1251(dir + "/text.txt", "Мама мыла раму. Иван и мама мыли дом. Дом и иван.");

    const LexavarApi api = LexavarApi::linked();
    ASSERT_EQ(api.Start(QFile::encodeName(dir + "/main.dic").constData(),
                        QFile::encodeName(dir + "/end.mdl").constData(),
                        QFile::encodeName(dir + "/types.chn").constData()),
              1);
    Session session;
    session.textId = 1;
    session.textPath = dir + "/text.txt";
    RecordingSink sink;
    analysis::AnalysisDriver driver(api, db.store(), session, sink);
    driver.pairsOptions.diagnosticsPath = dir + "/errors.txt";
    driver.fullAnalysis({});

    EXPECT_EQ(rows(db.store(), "words_all_1", "word, friquency, type"),
              QStringList({u8("мама|2|1"), u8("мыть|2|7"), u8("дом|2|1"), u8("и|2|17"),
                           u8("рама|1|1"), u8("иван|1|3"), u8("мыло|1|1")}));
    EXPECT_EQ(rows(db.store(), "words_network_1", "word, friquency"),
              QStringList({u8("мама|2"), u8("мыть|2"), u8("дом|2"), u8("мыло|1"), u8("рама|1"),
                           u8("иван|1")}));
    EXPECT_EQ(
        rows(db.store(), "sentences_1", "sentence"),
        QStringList({u8("Мама мыла раму. "), u8(" Иван и мама мыли дом. "), u8(" Дом и иван. ")}));
    EXPECT_EQ(rows(db.store(), "pares_1").size(), 12);
    EXPECT_EQ(rows(db.store(), "network_1"),
              QStringList({u8("0|мама|мыть|8"), u8("1|мама|дом|6"), u8("2|мама|мыло|6"),
                           u8("3|мама|рама|6"), u8("4|мыло|рама|6"), u8("5|мыть|рама|4"),
                           u8("6|мыть|дом|4"), u8("7|дом|иван|2"), u8("8|мыть|иван|1"),
                           u8("9|мама|иван|1")}));
    EXPECT_EQ(rows(db.store(), "words_friquency_1"), QStringList({"1|2|4", "2|1|3"}));
    EXPECT_TRUE(sink.logs.contains(u8("Количество всех связей: 12")));
    EXPECT_TRUE(sink.logs.contains(u8("Количество различных связей:10")));
}
