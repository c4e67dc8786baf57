// The parameters dialog: its boxes, their coupling, and closing it.

#include <QCheckBox>
#include <QtTest>

#include "analysis/TForm8.h"

using quillon::TForm8;

class TForm8Test : public QObject {
    Q_OBJECT

  private slots:
    void startsAllChecked() {
        TForm8 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Параметры анализа"));
        const QStringList captions = {"Полный словник",     "Словник для связей слов",
                                      "Список предложений", "Все связи слов",
                                      "Связи слов",         "Распределение частот"};
        for (int i = 0; i < 6; ++i) {
            auto* box = form.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(i + 1));
            QVERIFY(box);
            QCOMPARE(box->text(), captions[i]);
            QVERIFY(box->isChecked());
        }
    }

    void couplingOfTheConnectionBoxes() {
        TForm8 form;
        // Unchecking "Все связи слов" unchecks "Связи слов".
        QTest::mouseClick(form.CheckBox4, Qt::LeftButton);
        QVERIFY(!form.CheckBox4->isChecked());
        QVERIFY(!form.CheckBox5->isChecked());
        // Checking "Связи слов" checks both.
        QTest::mouseClick(form.CheckBox5, Qt::LeftButton);
        QVERIFY(form.CheckBox4->isChecked());
        QVERIFY(form.CheckBox5->isChecked());
        // Unchecking "Связи слов" leaves "Все связи слов" checked.
        QTest::mouseClick(form.CheckBox5, Qt::LeftButton);
        QVERIFY(form.CheckBox4->isChecked());
        QVERIFY(!form.CheckBox5->isChecked());
        // Checking "Все связи слов" alone leaves "Связи слов" as it was.
        form.CheckBox4->setChecked(false);
        form.CheckBox4->setChecked(true);
        QVERIFY(!form.CheckBox5->isChecked());
        const auto p = form.parameters();
        QVERIFY(p.fullVocabulary && p.networkVocabulary && p.sentences && p.allPairs && !p.pairs &&
                p.distribution);
    }

    void closingOnlyHidesAndKeepsTheStates() {
        TForm8 form;
        form.show();
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton);
        QTest::mouseClick(form.CheckBox6, Qt::LeftButton);
        form.close();
        QVERIFY(!form.isVisible());
        form.show();
        QVERIFY(!form.CheckBox1->isChecked());
        QVERIFY(!form.CheckBox6->isChecked());
        QVERIFY(form.CheckBox3->isChecked());
    }
};

QTEST_MAIN(TForm8Test)
#include "TForm8Test.moc"
