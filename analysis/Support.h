#pragma once
// Small pieces every builder of the analysis shares: elapsed times as the log
// shows them, the text path as the library takes it, and the transaction that
// wraps one table fill.

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include "store/Store.h"

namespace quillon::analysis {

// An elapsed time in milliseconds as hours, minutes and whole seconds
// ("0:01:05"); the hours are not wrapped at 24. Negative values read as 0.
QString formatElapsed(qint64 milliseconds);

// Measures one command or phase from its construction.
class Stopwatch {
  public:
    Stopwatch() { timer_.start(); }
    qint64 elapsed() const { return timer_.elapsed(); }
    QString text() const { return formatElapsed(elapsed()); }

  private:
    QElapsedTimer timer_;
};

// The text path in the file system's encoding, as GrafAnalysFile opens it.
QByteArray libraryPath(const QString& path);

// One table fill as one write transaction. commit() ends it normally. When the
// fill is left by an exception the rows written before the failing statement
// are committed all the same, so that a failed build leaves what it had
// stored, as single statements would; the exception goes on unchanged.
class FillTransaction {
  public:
    explicit FillTransaction(store::Store& store) : store_(store) { store_.begin(); }
    ~FillTransaction();
    void commit();
    FillTransaction(const FillTransaction&) = delete;
    FillTransaction& operator=(const FillTransaction&) = delete;

  private:
    store::Store& store_;
    bool done_ = false;
};

}  // namespace quillon::analysis
