// quillon-batch analyse end to end: a small real text with the shipped
// dictionary and the real library, into a fresh SQLite database.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include "TestSupport.h"
#include "app/Accounts.h"
#include "store/Cp1251.h"

using namespace quillon;
using namespace quillon::testing;

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

struct BatchRun {
    int exitCode;
    QString out;
    QString err;
};

BatchRun batch(const QString& database, const QStringList& args) {
    QProcess process;
    // The diagnostics file goes to the working folder.
    process.setWorkingDirectory(QFileInfo(database).path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QUILLON_DATABASE", database);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUILLON_BATCH), QStringList{"analyse"} + args);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

}  // namespace

TEST(BatchAnalyse, AnalysesTextsIntoTheDatabase) {
    TempDatabase db;
    const QString database = db.folder() + "/quillon.sqlite";
    const QString text = db.folder() + "/mama.txt";
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(
            toCp1251(u8("Мама мыла раму. Папа читал газету, а мама мыла окно.\r\n"
                        "Кот спал на окне. Мама любила кота.\r\n")));
    }
    {
        store::Store store(store::Settings::sqlite(database));
        accounts::ensureTable(store);
        accounts::create(store, "anna", "secret");
    }
    const BatchRun run =
        batch(database, {"--save", db.folder() + "/out", "--user", "anna", "--category",
                         u8("Проза"), text, db.folder() + "/missing.txt"});
    // The second text cannot be read: a clear message, the first one stays stored.
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("missing.txt")) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(u8("Количество предложений: 4"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(u8("АНАЛИЗ ЗАВЕРШЕН")));

    store::Store store(store::Settings::sqlite(database));
    EXPECT_EQ(registry(store),
              QStringList({"1|words_all_1|1|0|0|0|0", "2|words_network_1|1|1|0|0|0",
                           "3|sentences_1|1|2|0|0|0", "4|pares_1|1|5|0|0|0",
                           "5|network_1|1|6|0|0|0", "6|words_friquency_1|1|7|0|0|0"}));
    const QStringList words = rows(store, "words_all_1", "word, friquency");
    EXPECT_TRUE(words.contains(u8("мама|3"))) << words.join(' ').toStdString();
    EXPECT_TRUE(words.contains(u8("окно|2")));
    EXPECT_TRUE(words.contains(u8("кот|2")));
    EXPECT_GT(rows(store, "pares_1").size(), 10);
    EXPECT_FALSE(rows(store, "network_1").isEmpty());
    EXPECT_EQ(rows(store, "sentences_1", "sentence").first(), u8("Мама мыла раму. "));
    EXPECT_EQ(rows(store, "ProccessedTexts", "name").first().trimmed(), "mama.txt");
    EXPECT_EQ(rows(store, "Categories", "name").first().trimmed(), u8("Проза"));
    EXPECT_EQ(store.queryInt("SELECT count(*) FROM [Connect] WHERE categoryId=1 AND textId=1"), 1);
}
