#include "app/Accounts.h"

#include <sodium.h>

#include "store/Error.h"
#include "store/Schema.h"
#include "store/Store.h"

namespace quillon::accounts {

namespace {

using store::Store;
namespace schema = store::schema;

void initSodium() {
    static const bool ready = sodium_init() >= 0;
    if (!ready) {
        throw Error(QStringLiteral("Не удалось подготовить библиотеку шифрования libsodium."));
    }
}

QString normalLogin(const QString& login) {
    return login.trimmed();
}

void requireCredentials(const QString& login, const QString& password) {
    if (login.isEmpty()) {
        throw Error(QStringLiteral("Логин не может быть пустым."));
    }
    if (password.isEmpty()) {
        throw Error(QStringLiteral("Пароль не может быть пустым."));
    }
}

// Id of the account with this login, 0 when there is none.
int idOf(Store& store, const QString& login) {
    return store.queryInt(QStringLiteral("SELECT id FROM Users WHERE login=?;"), {login});
}

int insert(Store& store, const QString& login, const QString& password) {
    const QString hash = hashPassword(password);
    if (idOf(store, login) != 0) {
        throw Error(QStringLiteral("Учетная запись «%1» уже существует.").arg(login));
    }
    const int id = store.nextId(schema::kUsers);
    store.exec(QStringLiteral("INSERT INTO Users (id, login, pass) VALUES (?, ?, ?);"),
               {id, login, hash});
    return id;
}

}  // namespace

QString hashPassword(const QString& password) {
    initSodium();
    const QByteArray bytes = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        throw Error(QStringLiteral("Недостаточно памяти для вычисления хеша пароля."));
    }
    return QString::fromLatin1(hash);
}

bool verifyPassword(const QString& hash, const QString& password) {
    initSodium();
    // Fixed-width columns give the hash back padded with blanks.
    const QByteArray stored = hash.trimmed().toLatin1();
    const QByteArray bytes = password.toUtf8();
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

void ensureTable(Store& store) {
    store.createTableIfMissing(schema::kUsers, schema::kUsersColumns);
}

int count(Store& store) {
    if (!store.tableExists(schema::kUsers)) {
        return 0;
    }
    return store.queryInt(QStringLiteral("SELECT count(*) FROM Users;"));
}

std::optional<int> check(Store& store, const QString& login, const QString& password) {
    if (!store.tableExists(schema::kUsers)) {
        return std::nullopt;
    }
    QSqlQuery query = store.exec(QStringLiteral("SELECT id, pass FROM Users WHERE login=?;"),
                                 {normalLogin(login)});
    if (!query.next()) {
        return std::nullopt;
    }
    const int id = query.value(0).toInt();
    const QString hash = query.value(1).toString();
    if (!verifyPassword(hash, password)) {
        return std::nullopt;
    }
    return id;
}

int create(Store& store, const QString& login, const QString& password) {
    const QString name = normalLogin(login);
    requireCredentials(name, password);
    store::Transaction transaction(store);
    ensureTable(store);
    const int id = insert(store, name, password);
    transaction.commit();
    return id;
}

int createFirst(Store& store, const QString& login, const QString& password) {
    const QString name = normalLogin(login);
    requireCredentials(name, password);
    store::Transaction transaction(store);
    ensureTable(store);
    if (store.queryInt(QStringLiteral("SELECT count(*) FROM Users;")) != 0) {
        throw Error(QStringLiteral("В базе данных уже есть учетные записи; войдите под своей."));
    }
    const int id = insert(store, name, password);
    transaction.commit();
    return id;
}

std::vector<Account> list(Store& store) {
    std::vector<Account> accounts;
    if (!store.tableExists(schema::kUsers)) {
        return accounts;
    }
    QSqlQuery query = store.exec(QStringLiteral("SELECT id, login FROM Users ORDER BY id;"));
    while (query.next()) {
        accounts.push_back({query.value(0).toInt(), query.value(1).toString().trimmed()});
    }
    return accounts;
}

void remove(Store& store, const QString& login) {
    const QString name = normalLogin(login);
    store::Transaction transaction(store);
    if (count(store) == 0 || idOf(store, name) == 0) {
        throw Error(QStringLiteral("Учетной записи «%1» нет.").arg(name));
    }
    store.exec(QStringLiteral("DELETE FROM Users WHERE login=?;"), {name});
    transaction.commit();
}

void changePassword(Store& store, const QString& login, const QString& password) {
    const QString name = normalLogin(login);
    requireCredentials(name, password);
    const QString hash = hashPassword(password);
    store::Transaction transaction(store);
    if (count(store) == 0 || idOf(store, name) == 0) {
        throw Error(QStringLiteral("Учетной записи «%1» нет.").arg(name));
    }
    store.exec(QStringLiteral("UPDATE Users SET pass=? WHERE login=?;"), {hash, name});
    transaction.commit();
}

}  // namespace quillon::accounts
