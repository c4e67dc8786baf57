// The Statistics menu of the main window end to end: each command run from its
// menu item or button on a small text, the written letters file compared with
// the expected bytes (written with a point as decimal separator).
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
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
    return f.open(QIODevice::ReadOnly) ? f.readAll()
                                       : QByteArray("<missing " + path.toUtf8() + ">");
}

}  // namespace

class LettersPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("QUILLON_DATABASE", dir_.filePath("textprocessing_db.sqlite").toUtf8());
        QVERIFY(QFile::copy(QStringLiteral(FIXTURES "/text.txt"), dir_.filePath("text.txt")));
        form_ = std::make_unique<TForm2>();
        panel_ = new LettersPanel(*form_);
        QVERIFY2(form_->lexavarUsable, qPrintable(form_->lexavarProblem));
        form_->show();
        form_->Button2Click();  // statistics mode
    }
    void init() {
        form_->session.textPath = dir_.filePath("text.txt");
        form_->session.searchStarted = false;
        applyOutputNames(form_->session, deriveOutputNames(dir_.filePath("out.frq")));
        for (QAction* a : {form_->N37, form_->N38, form_->N39})
            a->setEnabled(true);
        messages_.clear();
    }

    void menuCommandsWriteTheirFiles_data() {
        QTest::addColumn<int>("file");
        QTest::newRow("N37 letter frequency") << 1;
        QTest::newRow("N38 positional statistics") << 2;
    }
    void menuCommandsWriteTheirFiles() {
        QFETCH(int, file);
        form_->Edit3->show();
        form_->N13->setEnabled(false);
        (file == 1 ? form_->N37 : form_->N38)->trigger();
        QCOMPARE(messages_.errors, QStringList());
        QCOMPARE(readAll(form_->session.lettersFile[file - 1]), expected(file));
        QVERIFY(form_->N13->isEnabled());
        QVERIFY(form_->Edit3->isHidden());
        QCOMPARE(form_->StatusBar1->currentMessage(),
                 file == 1 ? QStringLiteral("Расчет частот букв завершен")
                           : QStringLiteral("Расчет частот букв по позициям завершен"));
        QVERIFY(form_->RichEdit2->toPlainText().endsWith(
            QStringLiteral("Результаты сохранены в файл: ") +
            form_->session.lettersFile[file - 1]));
    }

    void searchesFromTheCombinationField() {
        form_->RichEdit1->setPlainText(QStringLiteral("viewed text"));
        form_->N39->trigger();
        QVERIFY(form_->Edit3->isVisibleTo(form_.get()));
        QVERIFY(form_->Button12->isVisibleTo(form_.get()));
        QCOMPARE(form_->StatusBar1->currentMessage(), QStringLiteral("Поиск произвольных строк"));
        for (const QString& s : {QStringLiteral("ов"), QStringLiteral("мыла раму"), QString()}) {
            form_->Edit3->setText(s);
            QTest::mouseClick(form_->Button12, Qt::LeftButton);
        }
        QCOMPARE(messages_.errors, QStringList());
        QCOMPARE(readAll(form_->session.lettersFile[2]), expected(3));
        QCOMPARE(form_->StatusBar1->currentMessage(), QStringLiteral("Поиск завершен"));

        form_->Edit3->setText(QStringLiteral("ё"));
        form_->Button12->click();
        QVERIFY(form_->RichEdit2->toPlainText().endsWith(
            QStringLiteral("Ошибка:: некорректная строка для поиска")));
        QCOMPARE(readAll(form_->session.lettersFile[2]), expected(3));
    }

    // An unreadable text ends the command with the message; the window and its
    // session go on.
    void unreadableTextEndsOnlyTheCommand() {
        form_->session.textPath = dir_.filePath("missing.txt");
        applyOutputNames(form_->session, deriveOutputNames(dir_.filePath("fresh.frq")));
        form_->N38->trigger();
        QCOMPARE(messages_.errors, QStringList{QStringLiteral("Ошибка открытия файла")});
        form_->N39->trigger();
        form_->Edit3->setText(QStringLiteral("ов"));
        form_->Button12->click();
        QCOMPARE(messages_.errors.size(), 2);
        QVERIFY(!QFile::exists(form_->session.lettersFile[1]));
        QVERIFY(!QFile::exists(form_->session.lettersFile[2]));
        QCOMPARE(form_->session.textPath, dir_.filePath("missing.txt"));
        QVERIFY(form_->isVisible());

        form_->N37->trigger();  // zero counts, file written as usual
        QCOMPARE(messages_.shown, QStringList{QStringLiteral("Ошибка открытия файла!")});
        QVERIFY(QFile::exists(form_->session.lettersFile[0]));
    }

    void unwritableLettersFileIsReported() {
        applyOutputNames(form_->session, deriveOutputNames(dir_.filePath("absent/out.frq")));
        form_->N13->setEnabled(false);
        form_->N37->trigger();
        QCOMPARE(messages_.errors.size(), 1);
        QVERIFY(messages_.errors[0].contains(form_->session.lettersFile[0]));
        QCOMPARE(form_->StatusBar1->currentMessage(), QStringLiteral("Идет расчет частот букв..."));
        QVERIFY(!form_->N13->isEnabled());
    }

    void cleanupTestCase() { form_.reset(); }

  private:
    QByteArray expected(int file) {
        QByteArray bytes = readAll(QStringLiteral(FIXTURES "/expected_%1.frq").arg(file));
        return bytes.replace("@DIR@", QDir(dir_.path()).absolutePath().toUtf8());
    }

    QTemporaryDir dir_;
    testing::RecordingMessages messages_;
    std::unique_ptr<TForm2> form_;
    LettersPanel* panel_ = nullptr;  // owned by the window
};

QTEST_MAIN(LettersPanelTest)
#include "LettersPanelTest.moc"
