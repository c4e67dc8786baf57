#include "store/Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include "store/Error.h"

namespace quillon::store {

Settings Settings::sqlite(const QString& path) {
    Settings s;
    s.kind = Kind::Sqlite;
    s.path = path;
    return s;
}

Settings Settings::parse(const QString& value) {
    const QString v = value.trimmed();
    if (!v.startsWith(QLatin1String("postgresql://")) &&
        !v.startsWith(QLatin1String("postgres://"))) {
        return sqlite(v);
    }
    const QUrl url(v, QUrl::StrictMode);
    const QString name = url.path().mid(1);
    if (!url.isValid() || url.host().isEmpty() || name.isEmpty() ||
        name.contains(QLatin1Char('/'))) {
        throw Error(QStringLiteral("Неверный адрес базы данных: %1 (ожидается "
                                   "postgresql://пользователь:пароль@сервер:порт/база)")
                        .arg(v));
    }
    Settings s;
    s.kind = Kind::Postgres;
    s.host = url.host();
    s.port = url.port(5432);
    s.databaseName = name;
    s.user = url.userName();
    s.password = url.password();
    return s;
}

QString Settings::defaultSqlitePath() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("Quillon/textprocessing_db.sqlite"));
}

Settings Settings::fromEnvironment() {
    const QString env = qEnvironmentVariable("QUILLON_DATABASE");
    if (!env.trimmed().isEmpty()) {
        return parse(env);
    }
    QSettings file(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quillon"),
                   QStringLiteral("quillon"));
    const QString configured = file.value(QStringLiteral("database")).toString();
    if (!configured.trimmed().isEmpty()) {
        return parse(configured);
    }
    return sqlite(defaultSqlitePath());
}

QString Settings::describe() const {
    if (kind == Kind::Sqlite) {
        return QStringLiteral("SQLite: %1").arg(path);
    }
    return QStringLiteral("PostgreSQL: %1:%2/%3").arg(host).arg(port).arg(databaseName);
}

}  // namespace quillon::store
