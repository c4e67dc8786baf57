#include "store/RowWriter.h"

#include <sqlite3.h>

#include <QSqlDriver>
#include <QVariant>

namespace quillon::store {
namespace {

sqlite3* sqliteHandle(Store& store) {
    if (store.settings().kind != Settings::Kind::Sqlite) {
        return nullptr;
    }
    const QVariant handle = store.database().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        return nullptr;
    }
    return *static_cast<sqlite3* const*>(handle.constData());
}

}  // namespace

RowWriter::RowWriter(Store& store, const QString& table, const QStringList& columns) {
    Store::requireIdentifier(table);
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        marks << QStringLiteral("?");
    }
    sql_ = QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") +
           columns.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
           marks.join(QStringLiteral(", ")) + QStringLiteral(");");
    if (sqlite3* db = sqliteHandle(store)) {
        const QByteArray sql = sql_.toUtf8();
        if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &statement_,
                               nullptr) != SQLITE_OK) {
            const QString message = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_finalize(statement_);
            statement_ = nullptr;
            throw Error(QStringLiteral("Ошибка базы данных: %1\n%2").arg(message, sql_));
        }
        return;
    }
    query_ = store.prepare(sql_);
}

RowWriter::~RowWriter() {
    sqlite3_finalize(statement_);
}

void RowWriter::setInt(int column, qint64 value) {
    if (statement_) {
        sqlite3_bind_int64(statement_, column + 1, value);
    } else {
        query_.bindValue(column, value);
    }
}

void RowWriter::setDouble(int column, double value) {
    if (statement_) {
        sqlite3_bind_double(statement_, column + 1, value);
    } else {
        query_.bindValue(column, value);
    }
}

void RowWriter::setText(int column, const BoundText& value) {
    if (statement_) {
        sqlite3_bind_text(statement_, column + 1, value.utf8.constData(),
                          static_cast<int>(value.utf8.size()), SQLITE_STATIC);
    } else {
        query_.bindValue(column, value.text);
    }
}

void RowWriter::insert() {
    if (!statement_) {
        Store::run(query_);
        return;
    }
    if (sqlite3_step(statement_) != SQLITE_DONE) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(statement_)));
        sqlite3_reset(statement_);
        throw Error(QStringLiteral("Ошибка базы данных: %1\n%2").arg(message, sql_));
    }
    sqlite3_reset(statement_);
}

}  // namespace quillon::store
