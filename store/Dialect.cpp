#include "store/Dialect.h"

#include <QRegularExpression>

namespace quillon::store {
namespace {

class SqliteDialect : public Dialect {
  public:
    QString driver() const override { return QStringLiteral("QSQLITE"); }
    QString tableExistsQuery() const override {
        return QStringLiteral(
            "SELECT count(*) FROM sqlite_master WHERE type='table' AND lower(name)=lower(?)");
    }
    QString currentDate() const override { return QStringLiteral("date('now','localtime')"); }
    QString quote(const QString& name) const override {
        return QLatin1Char('"') + name + QLatin1Char('"');
    }
    QString beginWrite() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    // SQLite keeps any length in CHAR(n) and any integer in TINYINT.
    QString columns(const QString& columnList) const override { return columnList; }
};

class PostgresDialect : public Dialect {
  public:
    QString driver() const override { return QStringLiteral("QPSQL"); }
    QString tableExistsQuery() const override {
        return QStringLiteral(
            "SELECT count(*) FROM information_schema.tables WHERE table_schema = current_schema() "
            "AND table_name = lower(?)");
    }
    QString currentDate() const override { return QStringLiteral("CURRENT_DATE"); }
    // Unquoted names fold to lower case, so a quoted name is written in lower
    // case to denote the same table.
    QString quote(const QString& name) const override {
        return QLatin1Char('"') + name.toLower() + QLatin1Char('"');
    }
    // One advisory lock serialises the write steps of every Quillon process.
    QString beginWrite() const override {
        return QStringLiteral("BEGIN; SELECT pg_advisory_xact_lock(736170521)");
    }
    QString columns(const QString& columnList) const override {
        QString out = columnList;
        static const QRegularExpression chr(QStringLiteral("\\bCHAR\\(\\d+\\)"),
                                            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression tiny(QStringLiteral("\\bTINYINT\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression flt(QStringLiteral("\\bFLOAT\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
        out.replace(chr, QStringLiteral("TEXT"));
        out.replace(tiny, QStringLiteral("INTEGER"));
        out.replace(flt, QStringLiteral("DOUBLE PRECISION"));
        return out;
    }
};

}  // namespace

std::unique_ptr<Dialect> Dialect::create(Settings::Kind kind) {
    if (kind == Settings::Kind::Postgres) {
        return std::make_unique<PostgresDialect>();
    }
    return std::make_unique<SqliteDialect>();
}

}  // namespace quillon::store
