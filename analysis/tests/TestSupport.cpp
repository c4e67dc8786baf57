#include "TestSupport.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace quillon::testing {

TempDatabase::TempDatabase()
    : store_(std::make_unique<store::Store>(
          store::Settings::sqlite(dir_.filePath(QStringLiteral("test.sqlite"))))) {}

QStringList rows(store::Store& store, const QString& table, const QString& columns) {
    QStringList out;
    QSqlQuery q = store.exec(QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM ") +
                             table + QStringLiteral(" ORDER BY id"));
    while (q.next()) {
        QStringList values;
        for (int c = 0; c < q.record().count(); ++c) {
            values << q.value(c).toString();
        }
        out << values.join(QLatin1Char('|'));
    }
    return out;
}

QStringList registry(store::Store& store) {
    return rows(store, QStringLiteral("Results"));
}

}  // namespace quillon::testing
