#include "app/TextRegistry.h"

#include "store/Error.h"
#include "store/Schema.h"
#include "store/Store.h"

namespace quillon {

int registerText(store::Store& store, const QString& fileName) {
    namespace schema = store::schema;
    if (fileName.isEmpty()) {
        throw Error(QStringLiteral("Не указано имя текста."));
    }
    store::Transaction transaction(store);
    store.createTableIfMissing(schema::kProccessedTexts, schema::kProccessedTextsColumns);
    int id =
        store.queryInt(QStringLiteral("SELECT id FROM ProccessedTexts WHERE name=?;"), {fileName});
    if (id != 0) {
        store.exec(QStringLiteral("UPDATE ProccessedTexts SET sdate=%1 WHERE id=?;")
                       .arg(store.currentDate()),
                   {id});
    } else {
        id = store.nextId(schema::kProccessedTexts);
        store.exec(QStringLiteral("INSERT INTO ProccessedTexts (id, name, sdate, description) "
                                  "VALUES (?, ?, %1, ?);")
                       .arg(store.currentDate()),
                   {id, fileName, QStringLiteral("")});
    }
    transaction.commit();
    return id;
}

QString textFileName(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(slash + 1);
}

}  // namespace quillon
