// quillon-batch: Quillon's commands without the window, database or login.
//
//   quillon-batch COMMAND [ARGUMENTS]
//   quillon-batch --help | COMMAND --help
//
// Exit codes: 0 done, 1 a command failed (unreadable text, unwritable file,
// missing library), 2 bad arguments.

#include <QCoreApplication>
#include <exception>

#include "BatchCommand.h"

using namespace quillon;
using namespace quillon::batch;

namespace {

// Every command of the tool, in the order the help lists them.
const BatchCommand* const kCommands[] = {
    &lettersCommand,
    &combinationCommand,
    &analyseCommand,
};

QString usageOf(const BatchCommand& c) {
    return QStringLiteral("  quillon-batch ") + QString::fromUtf8(c.name) + QLatin1Char(' ') +
           QString::fromUtf8(c.synopsis);
}

void printHelp() {
    printLine(QStringLiteral("Команды Quillon без окна программы.\n\nИспользование:"));
    for (const BatchCommand* c : kCommands)
        printLine(usageOf(*c));
    printLine(QStringLiteral("  quillon-batch КОМАНДА --help\n"));
    for (const BatchCommand* c : kCommands)
        printLine(QString::fromUtf8(c->name) + QStringLiteral(": ") +
                  QString::fromUtf8(c->description));
    printLine(QStringLiteral(
        "\nКоды завершения: 0 - готово, 1 - ошибка выполнения, 2 - неверные аргументы."));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillon-batch"));
    QStringList args = QCoreApplication::arguments().mid(1);
    const auto isHelp = [](const QString& a) {
        return a == QLatin1String("--help") || a == QLatin1String("-h");
    };
    if (args.isEmpty()) {
        printError(
            QStringLiteral("quillon-batch: не указана команда (справка: quillon-batch --help)"));
        return 2;
    }
    if (isHelp(args[0])) {
        printHelp();
        return 0;
    }
    const QString name = args.takeFirst();
    const BatchCommand* command = nullptr;
    for (const BatchCommand* c : kCommands)
        if (name == QLatin1String(c->name))
            command = c;
    if (!command) {
        printError(QStringLiteral("quillon-batch: неизвестная команда ") + name +
                   QStringLiteral(" (справка: quillon-batch --help)"));
        return 2;
    }
    if (!args.isEmpty() && isHelp(args[0])) {
        printLine(QStringLiteral("Использование:\n") + usageOf(*command) + QLatin1Char('\n'));
        printLine(QString::fromUtf8(command->description));
        return 0;
    }
    try {
        return command->run(args);
    } catch (const UsageError& e) {
        printError(QStringLiteral("quillon-batch ") + name + QStringLiteral(": ") + e.message());
        printError(QStringLiteral("Использование:\n") + usageOf(*command));
        return 2;
    } catch (const Error& e) {
        printError(QStringLiteral("quillon-batch ") + name + QStringLiteral(": ") + e.message());
        return 1;
    } catch (const std::exception& e) {
        printError(QStringLiteral("quillon-batch ") + name + QStringLiteral(": ") +
                   QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
