#include "store/Store.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>

#include "store/Schema.h"

namespace quillon::store {
namespace {

QAtomicInt connectionCounter;

Error statementError(const QSqlQuery& query, const QString& sql) {
    return Error(QStringLiteral("Ошибка базы данных: %1\n%2").arg(query.lastError().text(), sql));
}

}  // namespace

Store::Store(const Settings& settings)
    : settings_(settings),
      connectionName_(QStringLiteral("quillon-%1").arg(connectionCounter.fetchAndAddRelaxed(1))),
      dialect_(Dialect::create(settings.kind)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(dialect_->driver(), connectionName_);
    if (!db.isValid()) {
        QSqlDatabase::removeDatabase(connectionName_);
        throw Error(QStringLiteral("Драйвер базы данных %1 недоступен").arg(dialect_->driver()));
    }
    if (settings.kind == Settings::Kind::Sqlite) {
        const QFileInfo file(settings.path);
        if (settings.path.isEmpty() || !QDir().mkpath(file.absolutePath())) {
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName_);
            throw Error(
                QStringLiteral("Не удалось создать папку базы данных: %1").arg(settings.path));
        }
        db.setDatabaseName(file.absoluteFilePath());
        // Another Quillon process may hold the write lock for a moment.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    } else {
        db.setHostName(settings.host);
        db.setPort(settings.port);
        db.setDatabaseName(settings.databaseName);
        db.setUserName(settings.user);
        db.setPassword(settings.password);
    }
    if (!db.open()) {
        const QString message = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
        throw Error(QStringLiteral("Не удалось открыть базу данных (%1): %2")
                        .arg(settings.describe(), message));
    }
    if (settings.kind == Settings::Kind::Sqlite) {
        // The write-ahead log lets readers go on while another process writes.
        exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
}

Store::~Store() {
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen()) {
            if (depth_ > 0) {
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase Store::database() const {
    return QSqlDatabase::database(connectionName_, false);
}

QSqlQuery Store::exec(const QString& sql, const QVariantList& values) {
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (values.isEmpty()) {
        if (!query.exec(sql)) {
            throw statementError(query, sql);
        }
        return query;
    }
    if (!query.prepare(sql)) {
        throw statementError(query, sql);
    }
    for (const QVariant& v : values) {
        query.addBindValue(v);
    }
    if (!query.exec()) {
        throw statementError(query, sql);
    }
    return query;
}

QSqlQuery Store::prepare(const QString& sql) {
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        throw statementError(query, sql);
    }
    return query;
}

void Store::run(QSqlQuery& query) {
    if (!query.exec()) {
        throw statementError(query, query.lastQuery());
    }
}

int Store::queryInt(const QString& sql, const QVariantList& values) {
    QSqlQuery query = exec(sql, values);
    if (!query.next() || query.value(0).isNull()) {
        return 0;
    }
    return query.value(0).toInt();
}

QString Store::queryText(const QString& sql, const QVariantList& values) {
    QSqlQuery query = exec(sql, values);
    if (!query.next() || query.value(0).isNull()) {
        return {};
    }
    return query.value(0).toString();
}

bool Store::tableExists(const QString& name) {
    return queryInt(dialect_->tableExistsQuery(), {name}) > 0;
}

bool Store::isPlainIdentifier(const QString& name) {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]{0,127}$"));
    return re.match(name).hasMatch();
}

void Store::requireIdentifier(const QString& name) {
    if (!isPlainIdentifier(name)) {
        throw Error(QStringLiteral("Недопустимое имя таблицы: \"%1\"").arg(name));
    }
}

void Store::createTableIfMissing(const QString& name, const QString& columnList) {
    requireIdentifier(name);
    Transaction tx(*this);
    if (!tableExists(name)) {
        exec(QStringLiteral("CREATE TABLE ") + name + dialect_->columns(columnList));
    }
    tx.commit();
}

void Store::ensureRegistry() {
    createTableIfMissing(schema::kResults, schema::kResultsColumns);
}

int Store::ensureTable(const QString& name, const QString& columnList) {
    requireIdentifier(name);
    Transaction tx(*this);
    if (tableExists(name)) {
        exec(QStringLiteral("DELETE FROM ") + name + QLatin1Char(';'));
    } else {
        exec(QStringLiteral("CREATE TABLE ") + name + dialect_->columns(columnList));
    }
    const int maxId = queryInt(QStringLiteral("SELECT MAX(id) FROM ") + name + QLatin1Char(';'));
    tx.commit();
    return maxId;
}

int Store::nextId(const QString& table) {
    requireIdentifier(table);
    return queryInt(QStringLiteral("SELECT MAX(id) FROM ") + table + QLatin1Char(';')) + 1;
}

int Store::registerResult(const QString& table, int textId, int typeId) {
    Transaction tx(*this);
    const QString where = QStringLiteral(" FROM Results WHERE name=? AND textId=?");
    int id = queryInt(QStringLiteral("SELECT id") + where, {table, textId});
    if (queryInt(QStringLiteral("SELECT count(*)") + where, {table, textId}) == 0) {
        id = nextId(schema::kResults);
        exec(QStringLiteral("INSERT INTO Results (id, name, textId, typeId, parent1Id, parent2Id, "
                            "operId) VALUES (?, ?, ?, ?, 0, 0, 0);"),
             {id, table, textId, typeId});
    }
    tx.commit();
    return id;
}

int Store::registerUnion(const QString& table, int typeId, int parent1Id, int parent2Id) {
    Transaction tx(*this);
    const QString where =
        QStringLiteral(" FROM Results WHERE name=? AND parent1Id=? AND parent2Id=?");
    int id = queryInt(QStringLiteral("SELECT id") + where, {table, parent1Id, parent2Id});
    if (queryInt(QStringLiteral("SELECT count(*)") + where, {table, parent1Id, parent2Id}) == 0) {
        id = nextId(schema::kResults);
        exec(QStringLiteral("INSERT INTO Results (id, name, textId, typeId, parent1Id, parent2Id, "
                            "operId) VALUES (?, ?, -1, ?, ?, ?, 1);"),
             {id, table, typeId, parent1Id, parent2Id});
    }
    tx.commit();
    return id;
}

void Store::begin() {
    if (depth_ == 0) {
        for (const QString& statement : dialect_->beginWrite().split(QStringLiteral("; "))) {
            exec(statement);
        }
        failed_ = false;
    }
    ++depth_;
}

void Store::commit() {
    if (depth_ == 0) {
        return;
    }
    if (--depth_ > 0) {
        return;
    }
    if (failed_) {
        failed_ = false;
        exec(QStringLiteral("ROLLBACK"));
        throw Error(QStringLiteral("Ошибка базы данных: изменения отменены"));
    }
    exec(QStringLiteral("COMMIT"));
}

void Store::rollback() {
    if (depth_ == 0) {
        return;
    }
    failed_ = true;
    if (--depth_ == 0) {
        failed_ = false;
        exec(QStringLiteral("ROLLBACK"));
    }
}

}  // namespace quillon::store
