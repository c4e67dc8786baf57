// quillon-batch combination: one combination search after another in a text,
// written to letters file 3 as the combination field of the Statistics mode
// writes it.

#include "BatchCommand.h"
#include "app/LexavarApi.h"
#include "letters/CombinationSearch.h"
#include "letters/LettersCommands.h"

namespace quillon::batch {

namespace {

int runCombination(const QStringList& args) {
    const ParsedArgs parsed = parseArgs(args, {QStringLiteral("--save")});
    const auto save = parsed.value(QStringLiteral("--save"));
    if (!save)
        throw UsageError(QStringLiteral("не указан путь для сохранения (--save PATH)"));
    if (parsed.operands.size() < 2)
        throw UsageError(QStringLiteral("нужны файл текста и хотя бы одна строка для поиска"));
    const QStringList strings = parsed.operands.mid(1);
    for (const QString& s : strings)
        if (!letters::isSearchStringAllowed(s))
            throw UsageError(QStringLiteral("некорректная строка для поиска «") + s +
                             QStringLiteral("»: допустимы русские буквы (кроме ё), пробел и "
                                            "знаки , . ; : ! ?"));
    Session session = sessionFor(parsed.operands[0], *save);

    letters::TextAreas areas;
    TerminalSink sink;
    const LexavarApi noLibrary;  // the search needs no dictionary
    letters::LettersCommands commands(session, noLibrary, areas, sink);
    for (const QString& s : strings)
        commands.searchCombination(s);
    for (const QString& line : areas.output)
        printLine(line);
    printLine(QStringLiteral("Результаты сохранены в файл: ") + session.lettersFile[2]);
    return 0;
}

}  // namespace

const BatchCommand combinationCommand = {
    "combination", "--save PATH TEXT STRING...",
    "Число вхождений каждой строки STRING в текст TEXT (Windows-1251), без учета "
    "регистра, по очереди. Файл PATH без расширения + \"_3.frq\" записывается так же, "
    "как после поиска каждой строки кнопкой \"Найти\" в режиме \"Статистика\".",
    &runCombination};

}  // namespace quillon::batch
