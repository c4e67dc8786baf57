// Started with neither its library nor its dictionary (the test's environment
// points at an empty folder), the program still comes up, says what is
// missing and keeps the commands that need the library disabled.

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/TForm2.h"
#include "app/TestDoubles.h"

using namespace quillon;

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithoutLibrary() {
        QTemporaryDir dir;
        qputenv("QUILLON_DATABASE", dir.filePath("db.sqlite").toUtf8());
        testing::RecordingMessages messages;
        TForm2 form;
        auto dialogs = std::make_unique<testing::ScriptedFileDialogs>();
        auto* script = dialogs.get();
        form.setFileDialogs(std::move(dialogs));
        form.show();

        QVERIFY(!form.lexavarUsable);
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY(messages.errors[0].contains("libLexavar.so"));
        QVERIFY(form.store);

        form.loginTb->setText("anna");
        form.passTb->setText("pw");
        form.loginBtn->click();
        QFile text(dir.filePath("t.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("abc");
        text.close();
        script->openAnswers.push_back(text.fileName());
        script->saveAnswers.push_back(dir.filePath("out.frq"));
        form.N10->trigger();
        form.N9->trigger();
        for (QAction* on : {form.N2, form.N37, form.N39, form.N5}) {
            QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
        }
        for (QAction* off : {form.N38, form.N12, form.N15, form.N41}) {
            QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
        }
        QCOMPARE(messages.errors.size(), 1);
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
