#pragma once
// Every table of the database: names, column lists and the result kinds.
// Column lists are written as the program has always written them (SQL
// Server types); Dialect::columns turns them into the database's own.

#include <QString>

namespace quillon::store {

// Result kinds: the typeId of a Results row.
enum ResultKind : int {
    KindWordsAll = 0,
    KindWordsNetwork = 1,
    KindSentences = 2,
    KindPairNumbers = 3,
    KindPairWords = 4,
    KindPares = 5,
    KindNetwork = 6,
    KindFrequency = 7,
    KindUnionWords = 8,
    KindUnionWordsTypes = 9,
    KindUnionSentences = 10,
};

// The display name of a kind ("Словник", ...); empty for an unknown code.
QString kindDisplayName(int typeId);

namespace schema {

inline const QString kResults = QStringLiteral("Results");
inline const QString kResultsColumns = QStringLiteral(
    "(id INTEGER NOT NULL UNIQUE PRIMARY KEY, name CHAR(200) NOT NULL, textId INTEGER NOT NULL, "
    "typeId INTEGER NOT NULL, parent1Id INTEGER NOT NULL, parent2Id INTEGER NOT NULL, "
    "operId INTEGER NOT NULL)");

inline const QString kProccessedTexts = QStringLiteral("ProccessedTexts");
inline const QString kProccessedTextsColumns = QStringLiteral(
    "(id INTEGER NOT NULL PRIMARY KEY, name CHAR(200) NOT NULL, sdate DATE NOT NULL, "
    "description CHAR(200) NOT NULL)");

inline const QString kCategories = QStringLiteral("Categories");
inline const QString kCategoriesColumns = QStringLiteral(
    "(id INTEGER NOT NULL UNIQUE PRIMARY KEY, name CHAR(200) NOT NULL, sdate DATE NOT NULL, "
    "description CHAR(200) NOT NULL);");

inline const QString kConnect = QStringLiteral("Connect");
inline const QString kConnectColumns = QStringLiteral(
    "(categoryId INTEGER NOT NULL, textId INTEGER NOT NULL, userId INTEGER NOT NULL)");

// Accounts: login is unique; pass holds only a salted slow hash
// (libsodium crypto_pwhash_str), never the password itself.
inline const QString kUsers = QStringLiteral("Users");
inline const QString kUsersColumns = QStringLiteral(
    "(id INTEGER NOT NULL PRIMARY KEY, login CHAR(200) NOT NULL UNIQUE, pass CHAR(200) NOT NULL)");

// Per-text result tables: prefix + text id.
inline const QString kWordsAllPrefix = QStringLiteral("words_all_");
inline const QString kWordsNetworkPrefix = QStringLiteral("words_network_");
inline const QString kSentencesPrefix = QStringLiteral("sentences_");
inline const QString kParesPrefix = QStringLiteral("pares_");
inline const QString kNetworkPrefix = QStringLiteral("network_");
inline const QString kWordsFriquencyPrefix = QStringLiteral("words_friquency_");

inline const QString kWordsColumns = QStringLiteral(
    "(id INTEGER NOT NULL PRIMARY KEY, word CHAR(30) NOT NULL, friquency INTEGER NOT NULL, "
    "type TINYINT NOT NULL, norm_friq FLOAT);");
inline const QString kSentencesColumns =
    QStringLiteral("(id INTEGER NOT NULL PRIMARY KEY, sentence TEXT NOT NULL);");
inline const QString kParesColumns = QStringLiteral(
    "(id INTEGER NOT NULL PRIMARY KEY, word1Id CHAR(30) NOT NULL, word2Id CHAR(30) NOT NULL, "
    "word1InSent TINYINT NOT NULL, word2InSent TINYINT NOT NULL, predlId INTEGER NOT NULL);");
inline const QString kNetworkColumns = QStringLiteral(
    "(id INTEGER NOT NULL PRIMARY KEY, word1Id CHAR(30) NOT NULL, word2Id CHAR(30) NOT NULL, "
    "weight TINYINT NOT NULL);");
inline const QString kWordsFriquencyColumns = QStringLiteral(
    "(id INTEGER NOT NULL PRIMARY KEY, friquency INTEGER NOT NULL, wordsnumber INTEGER NOT NULL);");

// Union tables (operations on results).
inline const QString kUnion1Columns =
    QStringLiteral("(id INTEGER NOT NULL PRIMARY KEY, word CHAR(200) NOT NULL)");
inline const QString kUnion2Columns = QStringLiteral(
    "(id INTEGER NOT NULL PRIMARY KEY, word CHAR(200) NOT NULL, type INTEGER NOT NULL)");
inline const QString kUnion3Columns =
    QStringLiteral("(id INTEGER NOT NULL PRIMARY KEY, sentence TEXT NOT NULL)");

}  // namespace schema
}  // namespace quillon::store
