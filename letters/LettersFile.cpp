#include "LettersFile.h"

#include <QSaveFile>

#include "store/Cp1251.h"
#include "store/Error.h"

namespace quillon::letters {

namespace {
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");
}

QByteArray lettersFileBytes(const QStringList& message, const QStringList& output) {
    QByteArray bytes;
    for (const QString& line : message)
        bytes += toCp1251(line) + kLineEnd;
    bytes += kLineEnd + kLineEnd;
    for (const QString& line : output)
        bytes += toCp1251(line) + kLineEnd;
    return bytes;
}

QByteArray areaTextBytes(const QStringList& output) {
    QByteArray bytes;
    for (qsizetype i = 0; i < output.size(); ++i) {
        if (i > 0)
            bytes += kLineEnd;
        bytes += toCp1251(output[i]);
    }
    return bytes + kLineEnd;
}

void writeFileBytes(const QString& path, const QByteArray& bytes) {
    auto fail = [&](const QString& reason) {
        throw Error(
            QStringLiteral("Не удалось записать файл: ") + path +
            (reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + QStringLiteral(")")));
    };
    if (path.isEmpty())
        fail(QStringLiteral("не выбран путь для сохранения"));
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(reason);
    }
    if (!file.commit())
        fail(file.errorString());
}

}  // namespace quillon::letters
