// quillon-batch writes the letters files byte for byte as the main window's
// Statistics menu does for the same text and save path, and refuses bad
// arguments with a message and a non-zero exit code.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/OutputNames.h"
#include "app/TForm2.h"
#include "app/TestDoubles.h"
#include "letters/LettersPanel.h"

using namespace quillon;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run batch(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(QUILLON_BATCH), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

}  // namespace

class BatchTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("QUILLON_DATABASE", dir_.filePath("textprocessing_db.sqlite").toUtf8());
        text_ = QDir(dir_.path()).absoluteFilePath("text.txt");
        QVERIFY(QFile::copy(QStringLiteral(FIXTURES "/text.txt"), text_));
        save_ = QDir(dir_.path()).absoluteFilePath("out.frq");
        form_ = std::make_unique<TForm2>();
        new LettersPanel(*form_);
        QVERIFY2(form_->lexavarUsable, qPrintable(form_->lexavarProblem));
        form_->session.textPath = text_;
        applyOutputNames(form_->session, deriveOutputNames(save_));
        for (QAction* a : {form_->N37, form_->N38, form_->N39})
            a->setEnabled(true);
    }

    void lettersWritesTheWindowsBytes() {
        form_->N37->trigger();
        form_->N38->trigger();
        const QByteArray one = takeFile(0), two = takeFile(1);
        QCOMPARE(messages_.errors, QStringList());
        QVERIFY(two.size() > 1000);

        const Run r = batch({"letters", "--save", save_, text_});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(form_->session.lettersFile[0]));
        QVERIFY(r.out.contains(form_->session.lettersFile[1]));
        QCOMPARE(takeFile(0), one);
        QCOMPARE(takeFile(1), two);
    }

    void combinationWritesTheWindowsBytes() {
        const QStringList strings = {QStringLiteral("ов"), QStringLiteral("Мыла раму"), QString()};
        form_->session.searchStarted = false;
        form_->N39->trigger();
        for (const QString& s : strings) {
            form_->Edit3->setText(s);
            form_->Button12->click();
        }
        const QByteArray three = takeFile(2);
        QVERIFY(three.count('\n') == 3);

        const Run r = batch(QStringList{"combination", "--save", save_, text_} + strings);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(form_->session.lettersFile[2]));
        QCOMPARE(takeFile(2), three);
    }

    void refusesBadArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString missing = dir_.filePath("missing.txt");
        QTest::newRow("no command") << QStringList() << 2 << "команда";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "frobnicate";
        QTest::newRow("no save path") << QStringList{"letters", text_} << 2 << "--save";
        QTest::newRow("two texts")
            << QStringList{"letters", "--save", save_, text_, text_} << 2 << "один файл";
        QTest::newRow("unknown option")
            << QStringList{"letters", "--saev", save_, text_} << 2 << "--saev";
        QTest::newRow("no search string")
            << QStringList{"combination", "--save", save_, text_} << 2 << "строка";
        QTest::newRow("refused search string")
            << QStringList{"combination", "--save", save_, text_, "ов", "ёж"} << 2 << "ёж";
        QTest::newRow("unreadable text")
            << QStringList{"letters", "--save", save_, missing} << 1 << missing;
        QTest::newRow("unreadable text, search")
            << QStringList{"combination", "--save", save_, missing, "ов"} << 1 << missing;
        QTest::newRow("unwritable letters file")
            << QStringList{"combination", "--save", dir_.filePath("absent/out.frq"), text_, "ов"}
            << 1 << dir_.filePath("absent/out_3.frq");
    }
    void refusesBadArguments() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run r = batch(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(form_->session.lettersFile[0]));
        QVERIFY(!QFile::exists(form_->session.lettersFile[2]));
    }

    void helpListsTheCommands() {
        const Run r = batch({"--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("quillon-batch letters --save PATH TEXT"));
        QVERIFY(r.out.contains("quillon-batch combination --save PATH TEXT STRING..."));
        QCOMPARE(batch({"letters", "--help"}).exitCode, 0);
    }

    void cleanupTestCase() { form_.reset(); }

  private:
    // The letters file's bytes; the file is removed so that the next writer
    // starts from nothing.
    QByteArray takeFile(int index) {
        const QString path = form_->session.lettersFile[index];
        const QByteArray bytes = readAll(path);
        QFile::remove(path);
        return bytes;
    }

    QTemporaryDir dir_;
    QString text_, save_;
    testing::RecordingMessages messages_;
    std::unique_ptr<TForm2> form_;
};

QTEST_MAIN(BatchTest)
#include "BatchTest.moc"
