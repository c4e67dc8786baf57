// quillon-batch letters: the letter frequencies and the positional statistics
// of a text, written to letters files 1 and 2 as the Statistics menu writes
// them.

#include "BatchCommand.h"
#include "app/LibraryBinding.h"
#include "letters/LettersCommands.h"
#include "letters/PositionalFrequency.h"

namespace quillon::batch {

namespace {

int runLetters(const QStringList& args) {
    const ParsedArgs parsed = parseArgs(args, {QStringLiteral("--save")});
    const auto save = parsed.value(QStringLiteral("--save"));
    if (!save)
        throw UsageError(QStringLiteral("не указан путь для сохранения (--save PATH)"));
    if (parsed.operands.size() != 1)
        throw UsageError(QStringLiteral("нужен ровно один файл текста"));
    Session session = sessionFor(parsed.operands[0], *save);

    const LibraryBinding& library = LibraryBinding::process();
    if (!library.usable())
        throw Error(QStringLiteral("библиотека Lexavar недоступна: ") +
                    library.problems().join(QLatin1Char(' ')));
    for (const QString& problem : library.problems())
        printError(QStringLiteral("предупреждение: ") + problem);

    letters::TextAreas areas;
    TerminalSink sink;
    letters::LettersCommands commands(session, library.api(), areas, sink);
    commands.letterFrequency();
    for (const QString& notice : areas.notices)
        printError(notice);
    printLine(QStringLiteral("Результаты сохранены в файл: ") + session.lettersFile[0]);
    try {
        commands.positionalFrequency();
    } catch (const letters::NoLettersError&) {
        throw Error(QStringLiteral("в тексте нет ни одной русской буквы: средняя длина слова "
                                   "не определена, файл ") +
                    session.lettersFile[1] + QStringLiteral(" не записан"));
    }
    printLine(QStringLiteral("Результаты сохранены в файл: ") + session.lettersFile[1]);
    return 0;
}

}  // namespace

const BatchCommand lettersCommand = {
    "letters", "--save PATH TEXT",
    "Частоты букв и частоты букв по позициям текста TEXT (Windows-1251). Файлы имен "
    "PATH без расширения + \"_1.frq\" и \"_2.frq\" записываются так же, как их "
    "записывают пункты меню \"Статистика\" программы.",
    &runLetters};

}  // namespace quillon::batch
