#pragma once
// The points where the supported databases differ: the existence test of a
// table, today's date, column types and identifier quoting. Everything else
// the store says is the same for all of them.

#include <QSqlDatabase>
#include <QString>
#include <memory>

#include "store/Settings.h"

namespace quillon::store {

class Dialect {
  public:
    virtual ~Dialect() = default;
    static std::unique_ptr<Dialect> create(Settings::Kind kind);

    // The Qt SQL driver name.
    virtual QString driver() const = 0;
    // A statement with one bound value (the table name) whose first column
    // counts the tables of that name.
    virtual QString tableExistsQuery() const = 0;
    // Today's date as an SQL expression.
    virtual QString currentDate() const = 0;
    // An identifier quoted for this database.
    virtual QString quote(const QString& name) const = 0;
    // The statement that takes the write lock at the start of a transaction.
    virtual QString beginWrite() const = 0;
    // A column list written for SQL Server (CHAR(n), TINYINT, FLOAT, TEXT,
    // DATE) turned into this database's types. Columns are made wide enough
    // for every value the program stores: text columns take any length and
    // small integers any int.
    virtual QString columns(const QString& columnList) const = 0;
};

}  // namespace quillon::store
