// The categories dialog, driven by its object names on a fresh database.

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/TestDoubles.h"
#include "browse/TForm12.h"
#include "store/Store.h"

using namespace quillon;

class TForm12Test : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<store::Store> store_;
    testing::RecordingMessages messages_;

    static void clickRow(TForm12& dialog, int row) {
        QTableView* grid = dialog.DBGrid1;
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    static void type(TForm12& dialog, int row, int column, const QString& text) {
        QAbstractItemModel* model = dialog.DBGrid1->model();
        model->setData(model->index(row, column), text);
    }
    int connectRows() { return store_->queryInt("SELECT count(*) FROM Connect"); }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        store_ = std::make_unique<store::Store>(
            store::Settings::sqlite(dir_->filePath("textprocessing_db.sqlite")));
        messages_.clear();
    }

    void createSaveAndFile() {
        TForm12 dialog(store_.get());
        QCOMPARE(dialog.windowTitle(), QString("Разделы"));
        dialog.showFor("1", 5);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.userId->text(), QString("1"));
        QCOMPARE(dialog.textId->text(), QString("5"));
        QVERIFY(store_->tableExists("Categories") && store_->tableExists("Connect"));
        QCOMPARE(dialog.DBGrid1->model()->rowCount(), 0);
        QVERIFY(!dialog.Button1->isEnabled());

        dialog.Button2->click();
        dialog.Button2->click();
        QCOMPARE(dialog.DBGrid1->model()->rowCount(), 2);
        QCOMPARE(dialog.categoryList.size(), size_t(2));
        QCOMPARE(dialog.categoryList[0].id, 1);
        QVERIFY(!dialog.Button1->isEnabled());
        QVERIFY(!(dialog.DBGrid1->model()->flags(dialog.DBGrid1->model()->index(0, 0)) &
                  Qt::ItemIsEditable));

        // Typed values are written when the edit ends; "Сохранить" writes every row.
        type(dialog, 0, 1, "Д'Артаньян");
        QCOMPARE(store_->queryText("SELECT name FROM Categories WHERE id=1"),
                 QString("Д'Артаньян"));
        type(dialog, 1, 1, "Стихи");
        type(dialog, 1, 2, "описание 'в кавычках'");
        dialog.Button3->click();
        QCOMPARE(store_->queryText("SELECT description FROM Categories WHERE id=2"),
                 QString("описание 'в кавычках'"));

        clickRow(dialog, 1);
        QCOMPARE(dialog.selectedCategory, 2);
        QVERIFY(dialog.Button1->isEnabled());
        QCOMPARE(dialog.categoryList[1].name, QString("Стихи"));
        dialog.Button1->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(store_->queryInt("SELECT count(*) FROM Connect WHERE categoryId=2 AND textId=5 "
                                  "AND userId=1"),
                 1);

        // Filed twice by the same user: one row; by another user: a second row.
        dialog.showFor("1", 5);
        QVERIFY(!dialog.Button1->isEnabled());
        clickRow(dialog, 1);
        dialog.Button1->click();
        QCOMPARE(connectRows(), 1);
        dialog.showFor("2", 5);
        clickRow(dialog, 1);
        dialog.Button1->click();
        QCOMPARE(connectRows(), 2);
        QVERIFY(messages_.errors.isEmpty());
    }

    void closingWithoutOkFilesNothing() {
        TForm12 dialog(store_.get());
        dialog.showFor("1", 3);
        dialog.Button2->click();
        clickRow(dialog, 0);
        dialog.close();
        QCOMPARE(connectRows(), 0);
    }

    void withoutDatabaseSaysSo() {
        TForm12 dialog(nullptr);
        dialog.showFor("1", 3);
        QCOMPARE(messages_.errors.size(), 1);
        dialog.Button2->click();
        QCOMPARE(messages_.errors.size(), 2);
    }
};

QTEST_MAIN(TForm12Test)
#include "TForm12Test.moc"
