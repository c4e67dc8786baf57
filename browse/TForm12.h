#pragma once
// TForm12 "Разделы", the categories dialog: a grid of every category (id,
// name, description), "Новый раздел", "Сохранить" and "ОК", which files the
// text just chosen under the category last clicked, for the logged-in user.
//
// Text selection hands over the user and the text (showFor) and shows the
// dialog without making it modal. Each showing rebuilds the grid and disables
// "ОК"; a name or description typed into the grid is written to the database
// when the cell is left. Database errors are shown as messages
// (ErrorDisplay.h); the store may be null, and then every command says that
// the database is unavailable.

#include <QDialog>
#include <vector>

#include "browse/Categories.h"

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QModelIndex;

namespace quillon {

namespace store {
class Store;
}

class TForm12 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm12(store::Store* store, QWidget* parent = nullptr);

    QTableView* DBGrid1 = nullptr;
    QPushButton* Button1 = nullptr;  // ОК
    QPushButton* Button2 = nullptr;  // Новый раздел
    QPushButton* Button3 = nullptr;  // Сохранить
    QLabel* userId = nullptr;        // hidden: the user filing the text
    QLabel* textId = nullptr;        // hidden: the text to file

    // The categories shown, in grid order, extended by "Новый раздел"; the
    // number of rows "Сохранить" writes.
    std::vector<categories::Category> categoryList;
    // The category of the row last clicked: "ОК" files the text under it.
    int selectedCategory = 0;

  public slots:
    // Takes the user and the text, then shows the dialog (rebuilding it when
    // it is already visible).
    void showFor(const QString& user, int text);

    void FormShow();
    void Button2Click();
    void Button3Click();
    void DBGrid1CellClick(const QModelIndex& index);
    void Button1Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    store::Store& requireStore();
    void loadGrid();
    void writeRow(int row);

    store::Store* store_;
    QStandardItemModel* model_ = nullptr;
    bool loading_ = false;
};

}  // namespace quillon
