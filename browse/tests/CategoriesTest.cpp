#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "browse/Categories.h"
#include "store/Error.h"
#include "store/Store.h"

using namespace quillon;

namespace {

class CategoriesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        store_ = std::make_unique<store::Store>(
            store::Settings::sqlite(dir_.filePath("textprocessing_db.sqlite")));
        categories::ensureTables(*store_);
    }
    int connectRows() { return store_->queryInt("SELECT count(*) FROM Connect"); }
    QTemporaryDir dir_;
    std::unique_ptr<store::Store> store_;
};

TEST_F(CategoriesTest, CreateUpdateAndList) {
    EXPECT_TRUE(store_->tableExists("Connect"));
    EXPECT_TRUE(categories::list(*store_).empty());
    EXPECT_EQ(categories::create(*store_), 1);
    EXPECT_EQ(categories::create(*store_, "Проза"), 2);
    store_->exec("DELETE FROM Categories WHERE id=1");
    EXPECT_EQ(categories::create(*store_), 3);  // MAX(id) + 1, a free lower id stays free

    categories::update(*store_, 2, "Д'Артаньян", "quote ' and \"");
    const auto all = categories::list(*store_);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].id, 2);
    EXPECT_EQ(all[0].name, "Д'Артаньян");
    EXPECT_EQ(all[0].description, "quote ' and \"");
    EXPECT_EQ(all[1].name, "");
    EXPECT_FALSE(store_->queryText("SELECT sdate FROM Categories WHERE id=3").isEmpty());
}

TEST_F(CategoriesTest, EnsureCategoryFindsOrCreates) {
    const int poems = categories::ensureCategory(*store_, "Стихи");
    EXPECT_EQ(categories::ensureCategory(*store_, " Стихи "), poems);
    EXPECT_NE(categories::ensureCategory(*store_, "O'Brien"), poems);
    EXPECT_EQ(categories::list(*store_).size(), 2u);
    EXPECT_THROW(categories::ensureCategory(*store_, "  "), Error);
}

TEST_F(CategoriesTest, FilingTwiceStoresOneRowPerUser) {
    EXPECT_TRUE(categories::fileText(*store_, 1, 7, 1));
    EXPECT_FALSE(categories::fileText(*store_, 1, 7, 1));
    EXPECT_TRUE(categories::fileText(*store_, 1, 7, 2));
    EXPECT_TRUE(categories::fileText(*store_, 2, 7, 1));
    EXPECT_EQ(connectRows(), 3);
}

}  // namespace
