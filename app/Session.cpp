#include "app/Session.h"

#include <QDir>

namespace quillon {

QString Session::OutputFileForType(int kind) const {
    if (kind >= 0 && kind < static_cast<int>(exportFile.size())) {
        return exportFile[static_cast<size_t>(kind)];
    }
    return QDir(QDir::tempPath()).filePath(QStringLiteral("1.txt"));
}

}  // namespace quillon
