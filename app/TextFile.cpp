#include "app/TextFile.h"

#include <QFile>

#include "store/Cp1251.h"

namespace quillon {

std::optional<QString> readTextHead(const QString& path, qint64 limit) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(limit);
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return fromCp1251(bytes);
}

}  // namespace quillon
