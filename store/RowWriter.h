#pragma once
// Writes many rows into one table through one prepared INSERT.
//
// On the embedded SQLite database the rows go straight through SQLite's own
// statement interface on the store's connection: Qt's value binding costs
// several microseconds a row, which would dominate a network of millions of
// rows. On any other database they go through Store::prepare. Either way every
// value is bound, never put into the statement text, and the rows take part in
// whatever transaction the store has open.
//
// Errors: construction and insert() throw quillon::Error with the database's
// message and the statement; a failed insert leaves the writer usable for the
// next row.

#include <QByteArray>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <vector>

#include "store/Store.h"

struct sqlite3_stmt;

namespace quillon::store {

// A text value in both forms the writer may need, converted once.
struct BoundText {
    BoundText() = default;
    explicit BoundText(const QString& text) : text(text), utf8(text.toUtf8()) {}
    QString text;
    QByteArray utf8;
};

class RowWriter {
  public:
    // "INSERT INTO table (columns...) VALUES (?, ...)"; table must be a plain
    // identifier.
    RowWriter(Store& store, const QString& table, const QStringList& columns);
    ~RowWriter();
    RowWriter(const RowWriter&) = delete;
    RowWriter& operator=(const RowWriter&) = delete;

    // Values of the next row by column position. A text must stay alive until
    // insert() has returned.
    void setInt(int column, qint64 value);
    void setDouble(int column, double value);
    void setText(int column, const BoundText& value);

    // Inserts the row of the values set.
    void insert();

  private:
    QString sql_;
    sqlite3_stmt* statement_ = nullptr;  // SQLite: our own statement
    QSqlQuery query_;                    // other databases
};

}  // namespace quillon::store
