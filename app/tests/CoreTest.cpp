#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "app/Accounts.h"
#include "app/LibraryBinding.h"
#include "app/OutputNames.h"
#include "app/Session.h"
#include "app/TextRegistry.h"
#include "store/Error.h"
#include "store/Store.h"

using namespace quillon;

namespace {

TEST(OutputNames, DerivedFromTheChosenPath) {
    struct Case {
        const char* chosen;
        const char* base;
    };
    const Case cases[] = {
        {"/out/letters.frq", "/out/letters"},
        {"C:\\out\\results", "C:\\out\\results"},  // no extension: nothing is cut
        {"/out/results", "/out/results"},
        {"/out/a.b/results", "/out/a.b/results"},  // a dot in a folder is no extension
        {"/out/report.tar.gz", "/out/report.tar"},
        {"/out/.hidden", "/out/.hidden"},  // a leading dot opens the name
        {"a.txt", "a"},
        {"/out/дни.frq", "/out/дни"},
    };
    for (const Case& c : cases) {
        const OutputNames names = deriveOutputNames(QString::fromUtf8(c.chosen));
        EXPECT_EQ(names.base, QString::fromUtf8(c.base)) << c.chosen;
        EXPECT_EQ(names.letters[0], names.base + "_1.frq");
        EXPECT_EQ(names.savePath, names.base + "_3.frq");
    }

    // The preset name gives exactly the program's long-standing names.
    const OutputNames names = deriveOutputNames(QStringLiteral("/out/letters.frq"));
    const QStringList expected = {"/out/letters_all.wrd",    "/out/letters_network.wrd",
                                  "/out/letters.sen",        "/out/letters_all_numb_words.prs",
                                  "/out/letters_pares.prs",  "/out/letters_all_words.prs",
                                  "/out/letters.prs",        "/out/letters_words.frq",
                                  "/out/letters_search.sen", "/out/letters_search.wrd"};
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(names.exports[static_cast<size_t>(k)], expected[k]);
    }
    EXPECT_EQ(names.letters[1], "/out/letters_2.frq");
    EXPECT_EQ(names.letters[2], "/out/letters_3.frq");
}

TEST(OutputNames, SessionLooksThemUpByKind) {
    Session session;
    applyOutputNames(session, deriveOutputNames(QStringLiteral("/out/x.frq")));
    EXPECT_TRUE(session.savePathChosen);
    EXPECT_EQ(session.savePath, "/out/x_3.frq");
    EXPECT_EQ(session.OutputFileForType(2), "/out/x.sen");
    EXPECT_EQ(session.OutputFileForType(9), "/out/x_search.wrd");
    const QString fallback = QDir(QDir::tempPath()).filePath("1.txt");
    for (int kind : {10, -1, 100}) {
        EXPECT_EQ(session.OutputFileForType(kind), fallback) << kind;
    }
}

class StoreFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        store_ = std::make_unique<store::Store>(
            store::Settings::sqlite(dir_.filePath("textprocessing_db.sqlite")));
    }
    QTemporaryDir dir_;
    std::unique_ptr<store::Store> store_;
};

using TextRegistration = StoreFixture;

TEST_F(TextRegistration, SameNameKeepsItsIdAndRenewsTheDate) {
    EXPECT_EQ(registerText(*store_, "first.txt"), 1);  // creates ProccessedTexts
    EXPECT_EQ(registerText(*store_, "O'Hara \"x\".txt"), 2);
    store_->exec("UPDATE ProccessedTexts SET sdate='2001-02-03' WHERE id=1");
    EXPECT_EQ(registerText(*store_, "first.txt"), 1);
    EXPECT_EQ(store_->queryInt("SELECT count(*) FROM ProccessedTexts"), 2);
    EXPECT_EQ(QDate::fromString(store_->queryText("SELECT sdate FROM ProccessedTexts WHERE id=1"),
                                Qt::ISODate),
              QDate::currentDate());
    EXPECT_EQ(store_->queryText("SELECT name FROM ProccessedTexts WHERE id=2"), "O'Hara \"x\".txt");
    EXPECT_EQ(store_->queryText("SELECT description FROM ProccessedTexts WHERE id=2"), "");
    EXPECT_THROW(registerText(*store_, QString()), Error);
}

TEST(TextRegistrationNames, FileNameIsThePartAfterTheLastSeparator) {
    EXPECT_EQ(textFileName("/home/u/texts/a.txt"), "a.txt");
    EXPECT_EQ(textFileName("C:\\texts\\b.txt"), "b.txt");
    EXPECT_EQ(textFileName("c.txt"), "c.txt");
}

using AccountsTest = StoreFixture;

TEST_F(AccountsTest, LoginChecksTheHashedPassword) {
    EXPECT_EQ(accounts::count(*store_), 0);
    EXPECT_FALSE(accounts::check(*store_, "anna", "x"));  // no Users table yet
    const QString quoted = "O'Neil' OR '1'='1";
    EXPECT_EQ(accounts::create(*store_, " anna ", "секрет"), 1);
    EXPECT_EQ(accounts::create(*store_, quoted, "pa'ss"), 2);

    EXPECT_EQ(accounts::check(*store_, "anna", "секрет"), 1);
    EXPECT_EQ(accounts::check(*store_, quoted, "pa'ss"), 2);
    EXPECT_FALSE(accounts::check(*store_, "anna", "секрет2"));
    EXPECT_FALSE(accounts::check(*store_, "anna", ""));
    EXPECT_FALSE(accounts::check(*store_, "nobody", "секрет"));
    EXPECT_FALSE(accounts::check(*store_, "' OR 1=1 --", "x"));

    // Only the hash is stored.
    const QString stored = store_->queryText("SELECT pass FROM Users WHERE id=1");
    EXPECT_FALSE(stored.contains("секрет"));
    EXPECT_TRUE(stored.startsWith("$argon2"));
}

TEST_F(AccountsTest, MaintainingAccounts) {
    accounts::create(*store_, "anna", "one");
    accounts::create(*store_, "boris", "two");
    EXPECT_THROW(accounts::create(*store_, "anna", "other"), Error);
    EXPECT_THROW(accounts::create(*store_, "  ", "pw"), Error);
    EXPECT_THROW(accounts::create(*store_, "vera", ""), Error);
    EXPECT_THROW(accounts::createFirst(*store_, "vera", "pw"), Error);

    accounts::changePassword(*store_, "anna", "new");
    EXPECT_FALSE(accounts::check(*store_, "anna", "one"));
    EXPECT_EQ(accounts::check(*store_, "anna", "new"), 1);

    accounts::remove(*store_, "anna");
    EXPECT_THROW(accounts::remove(*store_, "anna"), Error);
    EXPECT_THROW(accounts::changePassword(*store_, "anna", "x"), Error);
    const std::vector<accounts::Account> left = accounts::list(*store_);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].login, "boris");
    EXPECT_EQ(accounts::create(*store_, "gleb", "three"), 3);  // MAX(id) + 1
}

TEST_F(AccountsTest, FirstAccountOnlyOnAnEmptyDatabase) {
    EXPECT_EQ(accounts::createFirst(*store_, "admin", "pw"), 1);
    EXPECT_THROW(accounts::createFirst(*store_, "second", "pw"), Error);
    EXPECT_EQ(accounts::count(*store_), 1);
}

TEST(Binding, MissingLibraryIsReportedByName) {
    const LibraryBinding binding =
        LibraryBinding::bind("/nonexistent/libLexavar.so", QDir::tempPath());
    EXPECT_FALSE(binding.usable());
    ASSERT_EQ(binding.problems().size(), 1);
    EXPECT_TRUE(binding.problems()[0].contains("/nonexistent/libLexavar.so"));
    EXPECT_EQ(binding.api().Start, nullptr);
}

TEST(Binding, MissingEntriesAreNamed) {
    const LibraryBinding binding = LibraryBinding::bind(PARTIAL_LEXAVAR_FILE, QDir::tempPath());
    EXPECT_FALSE(binding.usable());
    ASSERT_EQ(binding.problems().size(), 1);
    const QString problem = binding.problems()[0];
    for (const char* name : {"GrafAnalysFile", "GetColSents", "GetSent", "GetSentText", "GetWord",
                             "NormolWordByNom", "NormolWord", "GetType"}) {
        EXPECT_TRUE(problem.contains(name)) << name;
    }
    EXPECT_FALSE(problem.contains("GetMainForm"));
}

TEST(Binding, RealLibraryStartsWithoutItsDictionary) {
    QTemporaryDir empty;
    const LibraryBinding binding = LibraryBinding::bind(LEXAVAR_FILE, empty.path());
    EXPECT_TRUE(binding.usable());
    EXPECT_TRUE(binding.api().complete());
    ASSERT_EQ(binding.problems().size(), 1);
    EXPECT_TRUE(binding.problems()[0].contains("main.dic"));
    EXPECT_TRUE(binding.problems()[0].contains("types.chn"));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
