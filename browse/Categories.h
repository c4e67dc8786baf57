#pragma once
// Categories: user-defined sections under which texts are filed (tables
// Categories and Connect; a filing is a row of Connect: category, text,
// user). Every value is bound; the id steps and the tests before writing run
// in one write transaction each, so two processes sharing a database neither
// hand out one id twice nor file a text twice.
//
// Every function throws quillon::Error on a database error.

#include <QString>
#include <vector>

namespace quillon::store {
class Store;
}

namespace quillon::categories {

struct Category {
    int id = 0;
    QString name;
    QString description;
};

// Creates Categories and then Connect, each when it is missing.
void ensureTables(store::Store& store);
// Every category, by id.
std::vector<Category> list(store::Store& store);
// Creates a category with MAX(id) + 1 and today's date; returns its id.
int create(store::Store& store, const QString& name = QString(),
           const QString& description = QString());
// Replaces the name and the description of a category.
void update(store::Store& store, int id, const QString& name, const QString& description);
// The id of the category with this name (blanks around it ignored), created
// when there is none.
int ensureCategory(store::Store& store, const QString& name);
// Files the text under the category for the user, unless that filing exists.
// Returns true when a row was added.
bool fileText(store::Store& store, int categoryId, int textId, int userId);

}  // namespace quillon::categories
