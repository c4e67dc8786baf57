// The main window driven by its object names, headless, on a fresh SQLite
// database per test.

#include <QAction>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "app/TForm2.h"
#include "app/TestDoubles.h"
#include "store/Cp1251.h"
#include "store/Store.h"

using namespace quillon;
using quillon::testing::RecordingMessages;
using quillon::testing::ScriptedFileDialogs;

class TForm2Test : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    RecordingMessages messages_;
    ScriptedFileDialogs* dialogs_ = nullptr;

    std::unique_ptr<TForm2> makeForm() {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("QUILLON_DATABASE", dir_->filePath("textprocessing_db.sqlite").toUtf8());
        auto form = std::make_unique<TForm2>();
        auto dialogs = std::make_unique<ScriptedFileDialogs>();
        dialogs_ = dialogs.get();
        form->setFileDialogs(std::move(dialogs));
        form->show();
        messages_.clear();  // start-up notes (e.g. a missing dictionary)
        return form;
    }

    // Creates the first account from the login area, which logs in.
    static void logIn(TForm2& form, const QString& login = "anna", const QString& pass = "pw") {
        form.loginTb->setText(login);
        form.passTb->setText(pass);
        form.loginBtn->click();
    }

    QString writeText(const QString& name, const QString& text) {
        const QString path = dir_->filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(toCp1251(text));
        return path;
    }

    static QStringList visibleMenus(const TForm2& form) {
        QStringList captions;
        for (QAction* action : form.MainMenu1->actions()) {
            if (action->isVisible()) {
                captions << action->text();
            }
        }
        return captions;
    }

    static QList<QAction*> textCommands(const TForm2& form) {
        return {form.N37, form.N38, form.N39, form.N12, form.N15, form.N5, form.N41};
    }

  private slots:
    void startState() {
        auto form = makeForm();
        QCOMPARE(form->size(), QSize(TForm2::kSmallWidth, TForm2::kSmallHeight));
        QCOMPARE(form->windowTitle(), QString("Анализ текста"));
        QCOMPARE(form->StatusBar1->currentMessage(), QString("Программа анализа текста"));
        QCOMPARE(visibleMenus(*form), QStringList({"Текст", "Справка", "Выход"}));
        QVERIFY(form->N10->isEnabled() && form->N9->isEnabled());
        QVERIFY(form->N8->isEnabled() && form->N11->isEnabled());
        for (QAction* off : {form->N2, form->N3, form->N37, form->N38, form->N39, form->N13,
                             form->N12, form->N15, form->N5, form->N41, form->N42, form->N43}) {
            QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
        }
        for (QWidget* panel : {form->Statistics, form->Analisys, form->Results, form->Search}) {
            QVERIFY(!panel->isVisible());
        }
        QVERIFY(form->Button2->isEnabled() && form->Button1->isEnabled() &&
                form->Button5->isEnabled());
        QVERIFY(!form->Button9->isEnabled());
        QVERIFY(form->store);
        QVERIFY(form->lexavarUsable);
        QVERIFY(form->passTb->echoMode() == QLineEdit::Password);
        QVERIFY(form->RichEdit1->isReadOnly() && form->RichEdit2->isReadOnly());
        // Every control is found by its object name.
        for (const char* name : {"Button2", "Edit3", "Button12", "Edit1", "Button6", "loginLbl",
                                 "RichEdit4", "ProgressBar1", "StatusBar1", "MainMenu1"}) {
            QVERIFY2(form->findChild<QWidget*>(name), name);
        }
        QVERIFY(form->findChild<QAction*>("N43"));
    }

    void modeSwitch_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("menus");
        QTest::newRow("statistics") << "Button2"
                                    << "Statistics"
                                    << "Расчет статистики использования букв"
                                    << QStringList{"Текст", "Статистика", "Справка", "Выход"};
        QTest::newRow("analysis") << "Button1"
                                  << "Analisys"
                                  << "Анализ текста"
                                  << QStringList{"Текст", "Анализ", "Справка", "Выход"};
        QTest::newRow("results") << "Button5"
                                 << "Results"
                                 << "Работа с полученными результатами"
                                 << QStringList{"Текст", "Справка", "Выход"};
        QTest::newRow("search") << "Button9"
                                << "Search"
                                << "Поиск связей и примеров употребления слов"
                                << QStringList{"Текст", "Справка", "Выход"};
    }

    void modeSwitch() {
        QFETCH(QString, button);
        QFETCH(QString, panel);
        QFETCH(QString, status);
        QFETCH(QStringList, menus);
        auto form = makeForm();
        form->Button9->setEnabled(true);
        form->findChild<QPushButton*>(button)->click();
        QCOMPARE(form->StatusBar1->currentMessage(), status);
        QCOMPARE(visibleMenus(*form), menus);
        for (QWidget* each : {form->Statistics, form->Analisys, form->Results, form->Search}) {
            QCOMPARE(each->isVisible(), each->objectName() == panel);
        }
        QVERIFY(form->session.enlarged);
        QVERIFY(form->isMaximized());
    }

    void secondSwitchOnlySwapsPanels() {
        auto form = makeForm();
        form->Button1->click();
        QVERIFY(form->isMaximized());
        form->showNormal();
        form->resize(700, 500);
        form->N13->setEnabled(true);
        form->Edit3->show();
        form->Button2->click();
        QVERIFY(!form->isMaximized());
        QCOMPARE(form->size(), QSize(700, 500));
        QVERIFY(form->Statistics->isVisible() && !form->Analisys->isVisible());
        QVERIFY(!form->N13->isEnabled());   // every switch to statistics disables it
        QVERIFY(form->Edit3->isVisible());  // left to the combination search
        form->Button1->click();
        QVERIFY(!form->Edit3->isVisible());
    }

    void firstAccountLoginAndLogout() {
        auto form = makeForm();
        QVERIFY(form->offersFirstAccount());
        QCOMPARE(form->loginLbl->text(), QString("Первая учетная запись:"));
        QCOMPARE(form->loginBtn->text(), QString("Создать"));
        form->loginBtn->click();  // nothing typed
        QCOMPARE(messages_.shown.size(), 1);
        QVERIFY(!form->session.loggedIn);

        logIn(*form, "anna", "pw'1");
        QVERIFY(form->session.loggedIn);
        QCOMPARE(form->session.userId, QString("1"));
        QCOMPARE(form->loginLbl->text(), QString("Здравствуйте, anna"));
        QCOMPARE(form->loginBtn->text(), QString("Выход"));
        QVERIFY(form->loginTb->isHidden() && form->passTb->isHidden());
        QVERIFY(form->Button9->isEnabled());

        form->loginBtn->click();  // log out
        QVERIFY(!form->session.loggedIn);
        QVERIFY(form->session.userId.isEmpty());
        QCOMPARE(form->loginLbl->text(), QString("Авторизация:"));
        QCOMPARE(form->loginBtn->text(), QString("Войти"));
        QVERIFY(!form->loginTb->isHidden() && form->loginTb->text().isEmpty());
        QVERIFY(form->Button9->isEnabled());  // stays, like the menu items

        messages_.clear();
        logIn(*form, "anna", "wrong");
        QVERIFY(!form->session.loggedIn);
        QVERIFY(form->session.userId.isEmpty());
        QCOMPARE(form->loginBtn->text(), QString("Войти"));
        QCOMPARE(messages_.shown.size(), 1);
        QVERIFY(messages_.shown[0].startsWith("Вход не выполнен"));
        form->N10->trigger();
        QCOMPARE(messages_.shown.last(),
                 QString("Для загрузки текста необходимо авторизоваться в системе"));

        logIn(*form, "anna", "pw'1");
        QVERIFY(form->session.loggedIn);
        QCOMPARE(form->session.userId, QString("1"));
        QVERIFY(messages_.errors.isEmpty());
    }

    void menuEnabling_data() {
        QTest::addColumn<bool>("textFirst");
        QTest::newRow("text, then save path") << true;
        QTest::newRow("save path, then text") << false;
    }

    void menuEnabling() {
        QFETCH(bool, textFirst);
        auto form = makeForm();
        logIn(*form);
        const QString text = writeText("a.txt", "Текст.");
        auto chooseText = [&] {
            dialogs_->openAnswers.push_back(text);
            form->N10->trigger();
        };
        auto chooseSavePath = [&] {
            dialogs_->saveAnswers.push_back(dir_->filePath("out.frq"));
            form->N9->trigger();
        };
        if (textFirst) {
            chooseText();
            QVERIFY(form->N2->isEnabled() && form->N3->isEnabled());
            for (QAction* item : textCommands(*form)) {
                QVERIFY(!item->isEnabled());
            }
            chooseSavePath();
        } else {
            chooseSavePath();
            QVERIFY(!form->N2->isEnabled());
            for (QAction* item : textCommands(*form)) {
                QVERIFY(!item->isEnabled());
            }
            chooseText();
        }
        for (QAction* item : textCommands(*form)) {
            QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
        }
        QVERIFY(!form->N42->isEnabled() && !form->N43->isEnabled() && !form->N13->isEnabled());
        form->loginBtn->click();  // logging out disables nothing
        for (QAction* item : textCommands(*form)) {
            QVERIFY(item->isEnabled());
        }
        QVERIFY(messages_.errors.isEmpty());
    }

    void choosingTheSameTextTwice() {
        auto form = makeForm();
        logIn(*form);
        QSignalSpy categories(form.get(), &TForm2::categoriesRequested);
        const QString path = writeText("рассказ.txt", "Жили-были дед да баба.");

        dialogs_->openAnswers.push_back(path);
        form->N10->trigger();
        QCOMPARE(dialogs_->lastFilter, QString("*.txt"));
        QCOMPARE(form->session.textId, 1);
        QCOMPARE(form->session.textPath, path);
        QCOMPARE(form->session.textFileName, QString("рассказ.txt"));
        QCOMPARE(form->RichEdit3->toPlainText(), QString("Жили-были дед да баба."));
        QCOMPARE(categories.size(), 1);
        QCOMPARE(categories[0][0].toString(), QString("1"));
        QCOMPARE(categories[0][1].toInt(), 1);

        form->store->exec("UPDATE ProccessedTexts SET sdate='2001-01-01'");
        form->session.searchStarted = true;
        dialogs_->openAnswers.push_back(path);
        form->N10->trigger();
        QCOMPARE(form->session.textId, 1);
        QCOMPARE(form->store->queryInt("SELECT count(*) FROM ProccessedTexts"), 1);
        QCOMPARE(QDate::fromString(form->store->queryText("SELECT sdate FROM ProccessedTexts"),
                                   Qt::ISODate),
                 QDate::currentDate());
        QVERIFY(!form->session.searchStarted);

        // Cancelling the dialog changes nothing.
        form->N10->trigger();
        QCOMPARE(form->session.textPath, path);
        QCOMPARE(categories.size(), 2);

        // A database that refuses keeps the previous text whole.
        form->store->exec("DROP TABLE ProccessedTexts");
        form->store->exec("CREATE TABLE ProccessedTexts (id INTEGER)");
        dialogs_->openAnswers.push_back(writeText("other.txt", "x"));
        form->N10->trigger();
        QCOMPARE(messages_.errors.size(), 1);
        QCOMPARE(form->session.textPath, path);
        QCOMPARE(form->session.textId, 1);
    }

    void savePathAndItsCancellation() {
        auto form = makeForm();
        QSignalSpy chosen(form.get(), &TForm2::savePathChosen);
        form->N9->trigger();  // cancelled
        QCOMPARE(dialogs_->lastPreset, QString("letters.frq"));
        QVERIFY(!form->session.savePathChosen);
        QVERIFY(form->session.savePath.isEmpty() && form->session.lettersFile[0].isEmpty());
        QCOMPARE(chosen.size(), 0);

        dialogs_->saveAnswers.push_back("/data/out/results");
        form->N9->trigger();
        QVERIFY(form->session.savePathChosen);
        QCOMPARE(form->session.lettersFile[0], QString("/data/out/results_1.frq"));
        QCOMPARE(form->session.savePath, QString("/data/out/results_3.frq"));
        QCOMPARE(form->session.OutputFileForType(0), QString("/data/out/results_all.wrd"));
        QCOMPARE(chosen.size(), 1);

        form->N9->trigger();  // cancelled again: the names stay
        QCOMPARE(form->session.savePath, QString("/data/out/results_3.frq"));
    }

    void viewingPrintingHelpAbout() {
        auto form = makeForm();
        logIn(*form);
        const QString path = writeText("view.txt", "Печатный текст.");
        dialogs_->openAnswers.push_back(path);
        form->N10->trigger();
        form->RichEdit3->clear();
        form->N2->trigger();
        QCOMPARE(form->RichEdit1->toPlainText(), QString("Печатный текст."));
        QCOMPARE(form->RichEdit3->toPlainText(), QString("Печатный текст."));

        const QString pdf = dir_->filePath("text.pdf");
        dialogs_->pdfPath = pdf;
        form->N3->trigger();
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.read(4) == "%PDF");
        QVERIFY(printed.size() > 500);

        // Letters file 1.
        form->session.lettersFile[0] = writeText("out_1.frq", "А 10");
        form->N13->setEnabled(true);  // as the letter statistics do
        dialogs_->pdfPath = dir_->filePath("letters.pdf");
        form->N13->trigger();
        QVERIFY(QFile::exists(dir_->filePath("letters.pdf")));

        // A cancelled printer dialog prints nothing; a missing file is reported.
        dialogs_->pdfPath.clear();
        form->N3->trigger();
        form->session.lettersFile[0] = dir_->filePath("absent_1.frq");
        form->N13->trigger();
        QCOMPARE(messages_.errors.size(), 1);
        QVERIFY(messages_.errors[0].contains("absent_1.frq"));

        QUrl opened;
        form->openUrl = [&](const QUrl& url) {
            opened = url;
            return true;
        };
        form->N8->trigger();
        QVERIFY2(opened.toLocalFile().endsWith("help/index.html"), qPrintable(opened.toString()));
        QVERIFY(QFile::exists(opened.toLocalFile()));

        form->N11->trigger();
        QVERIFY(messages_.shown.last().contains("Версия 1.1 (2011г.)"));
        QCOMPARE(messages_.errors.size(), 1);
    }

    void sinkShowsProgress() {
        auto form = makeForm();
        CommandSink& sink = form->sink();
        sink.status("Построение словника");
        QCOMPARE(form->StatusBar1->currentMessage(), QString("Построение словника"));
        ProgressRule rule(sink, 250);
        QCOMPARE(form->ProgressBar1->maximum(), 100);
        for (int i = 0; i < 250; ++i) {
            rule.advance(i);
        }
        QCOMPARE(form->ProgressBar1->value(), 100);  // full, however many advances
        sink.progressReset(0);
        QCOMPARE(form->ProgressBar1->value(), 0);
        QVERIFY(form->ProgressBar1->maximum() > 0);  // never a busy indicator
        sink.log("Словник построен");
        QVERIFY(form->RichEdit4->toPlainText().contains("Словник построен"));
    }

    void unavailableDatabase() {
        dir_ = std::make_unique<QTemporaryDir>();
        QFile blocker(dir_->filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("QUILLON_DATABASE", dir_->filePath("file/db.sqlite").toUtf8());
        messages_.clear();
        TForm2 form;
        QVERIFY(!form.store);
        QCOMPARE(messages_.errors.size(), 1);
        QVERIFY(messages_.errors[0].contains("База данных недоступна"));
        form.loginTb->setText("anna");
        form.passTb->setText("pw");
        form.loginBtn->click();
        QCOMPARE(messages_.errors.size(), 2);
        QVERIFY(!form.session.loggedIn);
    }
};

QTEST_MAIN(TForm2Test)
#include "TForm2Test.moc"
