#include "browse/TForm12.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

#include "app/ErrorDisplay.h"
#include "store/Error.h"
#include "store/Store.h"

namespace quillon {

namespace {

enum Column { ColumnId = 0, ColumnName = 1, ColumnDescription = 2 };

template <typename T>
T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

}  // namespace

TForm12::TForm12(store::Store* store, QWidget* parent) : QDialog(parent), store_(store) {
    setObjectName(QStringLiteral("TForm12"));
    setWindowTitle(QStringLiteral("Разделы"));
    setModal(false);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(515, 246);

    model_ = new QStandardItemModel(0, 3, this);
    model_->setHorizontalHeaderLabels(
        {QStringLiteral("id"), QStringLiteral("name"), QStringLiteral("description")});
    DBGrid1 = named(new QTableView(this), "DBGrid1");
    DBGrid1->setModel(model_);
    DBGrid1->setGeometry(8, 8, 499, 190);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->horizontalHeader()->setStretchLastSection(true);

    Button1 = named(new QPushButton(QStringLiteral("ОК"), this), "Button1");
    Button2 = named(new QPushButton(QStringLiteral("Новый раздел"), this), "Button2");
    Button3 = named(new QPushButton(QStringLiteral("Сохранить"), this), "Button3");
    Button2->setGeometry(8, 208, 130, 28);
    Button3->setGeometry(146, 208, 130, 28);
    Button1->setGeometry(427, 208, 80, 28);
    userId = named(new QLabel(this), "userId");
    textId = named(new QLabel(this), "textId");
    userId->hide();
    textId->hide();

    auto guarded = [this](void (TForm12::*handler)()) {
        return [this, handler] { runGuarded(this, [this, handler] { (this->*handler)(); }); };
    };
    connect(Button1, &QPushButton::clicked, this, guarded(&TForm12::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(&TForm12::Button2Click));
    connect(Button3, &QPushButton::clicked, this, guarded(&TForm12::Button3Click));
    connect(DBGrid1, &QTableView::clicked, this, [this](const QModelIndex& index) {
        runGuarded(this, [this, index] { DBGrid1CellClick(index); });
    });
    // What the user types is written back when the edit ends.
    connect(model_, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (!loading_) {
            runGuarded(this, [this, item] { writeRow(item->row()); });
        }
    });
}

store::Store& TForm12::requireStore() {
    if (!store_) {
        throw Error(QStringLiteral("База данных недоступна."));
    }
    return *store_;
}

void TForm12::showFor(const QString& user, int text) {
    userId->setText(user);
    textId->setText(QString::number(text));
    if (isVisible()) {
        runGuarded(this, [this] { FormShow(); });
        raise();
        activateWindow();
    } else {
        show();
    }
}

void TForm12::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    runGuarded(this, [this] { FormShow(); });
}

void TForm12::loadGrid() {
    const std::vector<categories::Category> rows = categories::list(requireStore());
    loading_ = true;
    model_->setRowCount(0);
    for (const categories::Category& category : rows) {
        auto* id = new QStandardItem(QString::number(category.id));
        id->setEditable(false);
        model_->appendRow(
            {id, new QStandardItem(category.name), new QStandardItem(category.description)});
    }
    loading_ = false;
    DBGrid1->setColumnWidth(ColumnId, 30);
    DBGrid1->setColumnWidth(ColumnName, 200);
}

void TForm12::FormShow() {
    Button1->setEnabled(false);
    store::Store& db = requireStore();
    categories::ensureTables(db);
    loadGrid();
    categoryList = categories::list(db);
}

void TForm12::Button2Click() {
    const int id = categories::create(requireStore());
    categoryList.push_back({id, QString(), QString()});
    loadGrid();
}

void TForm12::Button3Click() {
    const int rows = std::min(static_cast<int>(categoryList.size()), model_->rowCount());
    for (int row = 0; row < rows; ++row) {
        writeRow(row);
    }
    loadGrid();
}

void TForm12::writeRow(int row) {
    const int id = model_->item(row, ColumnId)->text().toInt();
    const QString name = model_->item(row, ColumnName)->text();
    const QString description = model_->item(row, ColumnDescription)->text();
    categories::update(requireStore(), id, name, description);
}

void TForm12::DBGrid1CellClick(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    const int row = index.row();
    selectedCategory = model_->item(row, ColumnId)->text().toInt();
    for (categories::Category& category : categoryList) {
        if (category.id == selectedCategory) {
            category.name = model_->item(row, ColumnName)->text();
            category.description = model_->item(row, ColumnDescription)->text();
        }
    }
    Button1->setEnabled(true);
}

void TForm12::Button1Click() {
    bool userOk = false;
    bool textOk = false;
    const int user = userId->text().toInt(&userOk);
    const int text = textId->text().toInt(&textOk);
    if (!userOk || !textOk) {
        throw Error(QStringLiteral("Не выбран текст или не выполнен вход в систему."));
    }
    categories::fileText(requireStore(), selectedCategory, text, user);
    close();
}

}  // namespace quillon
