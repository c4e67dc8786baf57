#include "analysis/Support.h"

#include <QFile>

namespace quillon::analysis {

QString formatElapsed(qint64 milliseconds) {
    const qint64 seconds = milliseconds > 0 ? milliseconds / 1000 : 0;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QByteArray libraryPath(const QString& path) {
    return QFile::encodeName(path);
}

FillTransaction::~FillTransaction() {
    if (done_) {
        return;
    }
    // Left by an exception: keep what was written; a failing commit falls
    // back to a rollback, and neither may throw from here.
    try {
        store_.commit();
    } catch (...) {
        try {
            store_.rollback();
        } catch (...) {
        }
    }
}

void FillTransaction::commit() {
    done_ = true;
    store_.commit();
}

}  // namespace quillon::analysis
