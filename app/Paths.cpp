#include "app/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef QUILLON_INSTALL_LIBDIR
#define QUILLON_INSTALL_LIBDIR "lib"
#endif

namespace quillon::paths {

namespace {

QString fromEnvironment(const char* name) {
    return QDir::cleanPath(qEnvironmentVariable(name));
}

}  // namespace

QString programDir() {
    return QCoreApplication::applicationDirPath();
}

QString lexavarLibrary() {
    if (qEnvironmentVariableIsSet("QUILLON_LEXAVAR")) {
        return fromEnvironment("QUILLON_LEXAVAR");
    }
    const QString name = QStringLiteral("libLexavar.so");
    const QDir bin(programDir());
    const QStringList candidates = {
        bin.filePath(name),
        bin.filePath(QStringLiteral("../") + QStringLiteral(QUILLON_INSTALL_LIBDIR) + u'/' + name),
        bin.filePath(QStringLiteral("../lib/") + name),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate)) {
            return QDir::cleanPath(candidate);
        }
    }
    return QDir::cleanPath(candidates.front());
}

QString dataDir() {
    if (qEnvironmentVariableIsSet("QUILLON_DATA_DIR")) {
        return fromEnvironment("QUILLON_DATA_DIR");
    }
    return QDir::cleanPath(programDir() + QStringLiteral("/../share/quillon"));
}

QString helpIndex() {
    return QDir(dataDir()).filePath(QStringLiteral("help/index.html"));
}

}  // namespace quillon::paths
