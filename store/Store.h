#pragma once
// The result store: the process's one database connection and the common
// patterns every producer of a result uses (ensure the registry, ensure a
// result table, number rows with MAX(id)+1, register a result).
//
// Every value goes into SQL as a bound parameter ('?' placeholders, bound in
// order); table names are checked to be plain identifiers before they are put
// into statement text. The few places where SQLite and PostgreSQL differ
// (table exists, current date, column types, identifier quoting) live in
// Dialect.
//
// Errors: every failing statement throws quillon::Error with the driver's own
// message and the statement. What was written before stays written.
//
// Concurrency: the test-then-create and MAX(id)+1 steps run inside a write
// transaction (SQLite: BEGIN IMMEDIATE), so two Quillon processes sharing one
// database never hand out the same id or create a table twice.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

#include "store/Dialect.h"
#include "store/Error.h"
#include "store/Settings.h"

namespace quillon::store {

class Store {
  public:
    // Opens the connection the settings name (creating the SQLite file and its
    // folder when missing). Throws Error when the database cannot be opened.
    explicit Store(const Settings& settings);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    const Dialect& dialect() const { return *dialect_; }
    QSqlDatabase database() const;
    const Settings& settings() const { return settings_; }

    // Runs one statement with its values bound in order; returns the query
    // positioned before its first row. Throws Error on failure.
    QSqlQuery exec(const QString& sql, const QVariantList& values = {});
    // A prepared statement for many executions (bind with addBindValue or
    // bindValue, then run with run()). Throws Error when it cannot be prepared.
    QSqlQuery prepare(const QString& sql);
    // Executes a prepared statement; throws Error on failure.
    static void run(QSqlQuery& query);

    // First column of the first row as an integer (a missing row or NULL: 0).
    int queryInt(const QString& sql, const QVariantList& values = {});
    // First column of the first row as text (a missing row or NULL: empty).
    QString queryText(const QString& sql, const QVariantList& values = {});

    bool tableExists(const QString& name);
    // The dialect's expression for today's date, for statement text.
    QString currentDate() const { return dialect_->currentDate(); }
    // The name quoted as an identifier of this dialect ([Connect] and the like).
    QString quoted(const QString& name) const { return dialect_->quote(name); }

    // Creates Results when it is missing.
    void ensureRegistry();
    // Creates the table with the given column list (written as in a CREATE
    // TABLE of SQL Server, e.g. "(id INTEGER NOT NULL PRIMARY KEY, ...)") when
    // it is missing, otherwise empties it; an existing table keeps its layout.
    // Returns MAX(id) of the table afterwards (0 when empty): the first row
    // stored gets this + 1.
    int ensureTable(const QString& name, const QString& columnList);
    // Creates the table when missing; leaves an existing one as it is.
    void createTableIfMissing(const QString& name, const QString& columnList);
    // MAX(id) + 1 of the table (1 for an empty table).
    int nextId(const QString& table);

    // Registers a result table computed from a text (textId, kind, parents 0,
    // operation 0) unless a Results row with this name and textId exists.
    // Returns the Results id of the table's row.
    int registerResult(const QString& table, int textId, int typeId);
    // Registers a union result (textId -1, operation 1) unless a row with this
    // name and these parents exists. Returns its Results id.
    int registerUnion(const QString& table, int typeId, int parent1Id, int parent2Id);

    // True when name is a plain identifier (letters, digits, underscore, not
    // starting with a digit), the only kind of name put into statement text.
    static bool isPlainIdentifier(const QString& name);
    // Throws Error unless isPlainIdentifier(name).
    static void requireIdentifier(const QString& name);

    // Transactions nest: only the outermost begins and commits. A write
    // transaction takes the database's write lock at once.
    void begin();
    void commit();
    void rollback();

  private:
    Settings settings_;
    QString connectionName_;
    std::unique_ptr<Dialect> dialect_;
    int depth_ = 0;
    bool failed_ = false;
};

// Scoped write transaction: commits on commit(), rolls back when left by an
// exception (or without commit()).
class Transaction {
  public:
    explicit Transaction(Store& store) : store_(store) { store_.begin(); }
    ~Transaction() {
        if (!done_) {
            try {
                store_.rollback();
            } catch (...) {
            }
        }
    }
    void commit() {
        done_ = true;
        store_.commit();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

  private:
    Store& store_;
    bool done_ = false;
};

}  // namespace quillon::store
