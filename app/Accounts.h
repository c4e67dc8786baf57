#pragma once
// The accounts that may log in (table Users: id, login, pass). A password is
// stored only as a salted slow hash (libsodium crypto_pwhash_str, Argon2id),
// never as text; checking one verifies it against that hash. Logins are
// compared exactly, after trimming the blanks around them.
//
// Every function throws quillon::Error with a message for the user on a
// database error or a refused request (empty login, a login already taken,
// no such account). Id allocation and the tests before writing run inside a
// write transaction, so two processes sharing a database stay consistent.

#include <QString>
#include <optional>
#include <vector>

namespace quillon::store {
class Store;
}

namespace quillon::accounts {

struct Account {
    int id = 0;
    QString login;
};

// Creates Users when it is missing.
void ensureTable(store::Store& store);
// Number of accounts (0 when Users does not exist yet).
int count(store::Store& store);
// The id of the account with this login and password; nothing when no
// account matches (unknown login or wrong password).
std::optional<int> check(store::Store& store, const QString& login, const QString& password);
// Adds an account and returns its id (MAX(id) + 1).
int create(store::Store& store, const QString& login, const QString& password);
// Adds the first account of a database; refuses when any account exists.
int createFirst(store::Store& store, const QString& login, const QString& password);
// All accounts, by id.
std::vector<Account> list(store::Store& store);
// Removes the account with this login.
void remove(store::Store& store, const QString& login);
// Replaces the password of the account with this login.
void changePassword(store::Store& store, const QString& login, const QString& password);

// The hash stored for a password (a new salt every call), and its check.
QString hashPassword(const QString& password);
bool verifyPassword(const QString& hash, const QString& password);

}  // namespace quillon::accounts
