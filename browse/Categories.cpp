#include "browse/Categories.h"

#include "store/Error.h"
#include "store/Schema.h"
#include "store/Store.h"

namespace quillon::categories {

namespace {

namespace schema = store::schema;

QString nonNull(const QString& text) {
    // A null QString would be bound as NULL into a NOT NULL column.
    return text.isNull() ? QStringLiteral("") : text;
}

}  // namespace

void ensureTables(store::Store& store) {
    store::Transaction transaction(store);
    store.createTableIfMissing(schema::kCategories, schema::kCategoriesColumns);
    store.createTableIfMissing(schema::kConnect, schema::kConnectColumns);
    transaction.commit();
}

std::vector<Category> list(store::Store& store) {
    std::vector<Category> categories;
    QSqlQuery query =
        store.exec(QStringLiteral("SELECT id, name, description FROM Categories ORDER BY id;"));
    while (query.next()) {
        categories.push_back(
            {query.value(0).toInt(), query.value(1).toString(), query.value(2).toString()});
    }
    return categories;
}

int create(store::Store& store, const QString& name, const QString& description) {
    store::Transaction transaction(store);
    const int id = store.nextId(schema::kCategories);
    store.exec(QStringLiteral("INSERT INTO Categories (id, name, sdate, description) "
                              "VALUES (?, ?, %1, ?);")
                   .arg(store.currentDate()),
               {id, nonNull(name), nonNull(description)});
    transaction.commit();
    return id;
}

void update(store::Store& store, int id, const QString& name, const QString& description) {
    store.exec(QStringLiteral("UPDATE Categories SET name=?, description=? WHERE id=?;"),
               {nonNull(name), nonNull(description), id});
}

int ensureCategory(store::Store& store, const QString& name) {
    const QString wanted = name.trimmed();
    if (wanted.isEmpty()) {
        throw Error(QStringLiteral("Не указано название раздела."));
    }
    store::Transaction transaction(store);
    ensureTables(store);
    for (const Category& category : list(store)) {
        if (category.name.trimmed() == wanted) {
            transaction.commit();
            return category.id;
        }
    }
    const int id = create(store, wanted);
    transaction.commit();
    return id;
}

bool fileText(store::Store& store, int categoryId, int textId, int userId) {
    store::Transaction transaction(store);
    const QString connect = store.quoted(schema::kConnect);
    const int known = store.queryInt(
        QStringLiteral("SELECT count(*) FROM %1 WHERE categoryId=? AND textId=? AND userId=?;")
            .arg(connect),
        {categoryId, textId, userId});
    if (known == 0) {
        store.exec(QStringLiteral("INSERT INTO %1 (categoryId, textId, userId) VALUES (?, ?, ?);")
                       .arg(connect),
                   {categoryId, textId, userId});
    }
    transaction.commit();
    return known == 0;
}

}  // namespace quillon::categories
