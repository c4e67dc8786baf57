#include "LettersCommands.h"

#include "CombinationSearch.h"
#include "LetterFrequency.h"
#include "LettersFile.h"
#include "PositionalFrequency.h"
#include "TextInput.h"
#include "store/Cp1251.h"
#include "store/Error.h"

namespace quillon::letters {

namespace {
const QString kSavedTo = QStringLiteral("Результаты сохранены в файл: ");
const QString kOpenFailed = QStringLiteral("Ошибка открытия файла");
}  // namespace

LettersCommands::LettersCommands(Session& session, const LexavarApi& api, StatisticsView& view,
                                 CommandSink& sink, QLocale locale)
    : session_(session), api_(api), view_(view), sink_(sink), locale_(std::move(locale)) {}

void LettersCommands::showAndSave(AreaLines lines, const QString& file) {
    view_.setAreas(lines.message, lines.output);
    lines.message << kSavedTo + file;
    view_.addMessageLine(lines.message.back());
    writeFileBytes(file, lettersFileBytes(lines.message, lines.output));
}

void LettersCommands::letterFrequency() {
    sink_.status(QStringLiteral("Идет расчет частот букв..."));
    LetterCounter counter;
    if (!readTextMode(session_.textPath, [&](const char* d, qsizetype n) { counter.add(d, n); }))
        view_.notify(kOpenFailed + QLatin1Char('!'));
    showAndSave(frequencyLines(counter.table(), session_.textPath, locale_),
                session_.lettersFile[0]);
    sink_.status(QStringLiteral("Расчет частот букв завершен"));
}

void LettersCommands::positionalFrequency() {
    sink_.status(QStringLiteral("Идет расчет частот букв по позициям..."));
    PositionalCounter counter(api_);
    if (!readTextMode(session_.textPath, [&](const char* d, qsizetype n) { counter.add(d, n); }))
        throw Error(kOpenFailed);
    showAndSave(positionalLines(counter.finish(), session_.textPath, locale_),
                session_.lettersFile[1]);
    sink_.status(QStringLiteral("Расчет частот букв по позициям завершен"));
}

bool LettersCommands::searchCombination(const QString& combination) {
    sink_.status(QStringLiteral("Идет поиск"));
    if (!session_.searchStarted) {
        view_.setAreas(
            {QStringLiteral("Файл исходных текстов: ") + session_.textPath,
             QStringLiteral("Результаты сохраняютмся в файл: ") + session_.lettersFile[2]},
            {});
    }
    session_.searchStarted = true;
    if (!isSearchStringAllowed(combination)) {
        view_.addMessageLine(QStringLiteral("Ошибка:: некорректная строка для поиска"));
        return false;
    }
    CombinationCounter counter(toCp1251String(combination));
    if (!readTextMode(session_.textPath, [&](const char* d, qsizetype n) { counter.add(d, n); }))
        throw Error(kOpenFailed);
    view_.addOutputLine(combination + QStringLiteral("  ") + QString::number(counter.count()));
    writeFileBytes(session_.lettersFile[2], areaTextBytes(view_.outputLines()));
    sink_.status(QStringLiteral("Поиск завершен"));
    return true;
}

}  // namespace quillon::letters
