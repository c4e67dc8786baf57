#pragma once
// Shared pieces of the analysis tests: a sink that records what a command
// reported, a fresh SQLite database per test, and table contents as text.

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "app/CommandSink.h"
#include "store/Store.h"

namespace quillon::testing {

class RecordingSink : public CommandSink {
  public:
    void status(const QString& text) override { statuses << text; }
    void progressReset(int maximum) override {
        resets.push_back(maximum);
        steps.push_back(0);
    }
    void progressStep() override {
        if (steps.empty()) {
            steps.push_back(0);
        }
        ++steps.back();
    }
    void log(const QString& line) override { logs << line; }

    QStringList statuses;
    QStringList logs;
    std::vector<int> resets;  // maximum of every reset, in order
    std::vector<int> steps;   // steps made after each reset
};

// An empty SQLite database in a temporary folder, removed with the object.
class TempDatabase {
  public:
    TempDatabase();
    store::Store& store() { return *store_; }
    QString folder() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
    std::unique_ptr<store::Store> store_;
};

// The given columns of every row of table ordered by id, each row's values
// joined by "|".
QStringList rows(store::Store& store, const QString& table,
                 const QString& columns = QStringLiteral("*"));
// The Results rows as "id|name|textId|typeId|parent1Id|parent2Id|operId".
QStringList registry(store::Store& store);

}  // namespace quillon::testing
