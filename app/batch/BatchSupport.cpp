#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "BatchCommand.h"
#include "app/OutputNames.h"

namespace quillon::batch {

std::optional<QString> ParsedArgs::value(const QString& option) const {
    const qsizetype i = options.lastIndexOf(option);
    if (i < 0)
        return std::nullopt;
    return values[i];
}

ParsedArgs parseArgs(const QStringList& args, const QStringList& knownOptions) {
    ParsedArgs parsed;
    bool operandsOnly = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (operandsOnly || !a.startsWith(QLatin1String("--"))) {
            parsed.operands << a;
        } else if (a == QLatin1String("--")) {
            operandsOnly = true;
        } else {
            QString name = a, value;
            const qsizetype eq = a.indexOf(QLatin1Char('='));
            if (eq > 0) {
                name = a.left(eq);
                value = a.mid(eq + 1);
            }
            if (!knownOptions.contains(name))
                throw UsageError(QStringLiteral("неизвестный параметр ") + name);
            if (eq < 0) {
                if (i + 1 >= args.size())
                    throw UsageError(QStringLiteral("после ") + name +
                                     QStringLiteral(" нужно значение"));
                value = args[++i];
            }
            if (value.isEmpty())
                throw UsageError(QStringLiteral("пустое значение параметра ") + name);
            parsed.options << name;
            parsed.values << value;
        }
    }
    return parsed;
}

Session sessionFor(const QString& textFile, const QString& savePath) {
    Session session;
    const QFileInfo text(textFile);
    QFile probe(textFile);
    if (text.isDir() || !probe.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("не удается открыть текст ") + textFile +
                    (text.isDir() ? QStringLiteral(" (это папка)")
                                  : QStringLiteral(" (") + probe.errorString() + QLatin1Char(')')));
    session.textPath = text.absoluteFilePath();
    session.textFileName = text.fileName();
    applyOutputNames(session, deriveOutputNames(QFileInfo(savePath).absoluteFilePath()));
    return session;
}

void printLine(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void printError(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

}  // namespace quillon::batch
