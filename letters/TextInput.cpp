#include "TextInput.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

#include "store/Error.h"

namespace quillon::letters {

namespace {

// Folds CR LF pairs of one chunk in place. pendingCr carries a CR that ended
// the previous chunk; returns the new length.
qsizetype foldCrLf(char* data, qsizetype size, bool& pendingCr, char* out) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (pendingCr) {
            pendingCr = false;
            if (c != '\n')
                out[n++] = '\r';
        }
        if (c == '\r') {
            pendingCr = true;
            continue;
        }
        out[n++] = c;
    }
    return n;
}

}  // namespace

bool readTextMode(const QString& path, const std::function<void(const char*, qsizetype)>& consume) {
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    constexpr qsizetype kChunk = 1 << 20;
    std::vector<char> in(kChunk), out(kChunk + 1);
    bool pendingCr = false;
    for (;;) {
        const qint64 got = file.read(in.data(), kChunk);
        if (got < 0)
            throw Error(QStringLiteral("Ошибка чтения файла: ") + path + QStringLiteral(" (") +
                        file.errorString() + QStringLiteral(")"));
        if (got == 0)
            break;
        const qsizetype n = foldCrLf(in.data(), got, pendingCr, out.data());
        if (n > 0)
            consume(out.data(), n);
    }
    if (pendingCr)
        consume("\r", 1);
    return true;
}

QByteArray toTextMode(const QByteArray& raw) {
    QByteArray out(raw.size() + 1, Qt::Uninitialized);
    QByteArray copy = raw;
    bool pendingCr = false;
    qsizetype n = foldCrLf(copy.data(), copy.size(), pendingCr, out.data());
    if (pendingCr)
        out[n++] = '\r';
    out.truncate(n);
    return out;
}

}  // namespace quillon::letters
