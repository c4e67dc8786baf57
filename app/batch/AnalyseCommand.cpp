// quillon-batch analyse: "Полный анализ" with every builder, for one text
// after another, into the program's database.

#include <unistd.h>
#include <QFileInfo>
#include <cstdio>

#include "BatchCommand.h"
#include "analysis/Driver.h"
#include "app/Accounts.h"
#include "app/LibraryBinding.h"
#include "app/TextRegistry.h"
#include "browse/Categories.h"
#include "store/Settings.h"
#include "store/Store.h"

namespace quillon::batch {

namespace {

// Log lines to stdout; the progress bar, with the status text beside it, to
// stderr when stderr is a terminal.
class AnalyseSink : public CommandSink {
  public:
    AnalyseSink() : drawBar_(isatty(fileno(stderr)) == 1) {}
    ~AnalyseSink() override { endBar(); }

    void status(const QString& text) override {
        status_ = text;
        draw();
    }
    void progressReset(int maximum) override {
        maximum_ = maximum > 0 ? maximum : 1;
        position_ = 0;
        draw();
    }
    void progressStep() override {
        if (position_ < maximum_) {
            ++position_;
            draw();
        }
    }
    void log(const QString& line) override {
        endBar();
        printLine(line);
    }

  private:
    void draw() {
        if (!drawBar_) {
            return;
        }
        constexpr int kWidth = 30;
        const int filled = position_ * kWidth / maximum_;
        const QString bar =
            QStringLiteral("\r[%1%2] %3% %4")
                .arg(QString(filled, QLatin1Char('#')), QString(kWidth - filled, QLatin1Char(' ')))
                .arg(position_ * 100 / maximum_, 3)
                .arg(status_);
        std::fputs(bar.toLocal8Bit().constData(), stderr);
        std::fputs("\x1b[K", stderr);  // clear what a longer status left
        std::fflush(stderr);
        drawn_ = true;
    }
    void endBar() {
        if (drawn_) {
            std::fputs("\r\x1b[K", stderr);
            std::fflush(stderr);
            drawn_ = false;
        }
    }

    bool drawBar_;
    bool drawn_ = false;
    QString status_;
    int maximum_ = 100;
    int position_ = 0;
};

int userIdOf(store::Store& store, const QString& login) {
    for (const accounts::Account& account : accounts::list(store)) {
        if (account.login == login) {
            return account.id;
        }
    }
    throw Error(QStringLiteral("нет учетной записи ") + login);
}

int runAnalyse(const QStringList& args) {
    const ParsedArgs parsed = parseArgs(
        args, {QStringLiteral("--save"), QStringLiteral("--user"), QStringLiteral("--category")});
    const auto save = parsed.value(QStringLiteral("--save"));
    if (!save) {
        throw UsageError(QStringLiteral("не указан путь для сохранения (--save PATH)"));
    }
    if (parsed.operands.isEmpty()) {
        throw UsageError(QStringLiteral("не указан ни один файл текста"));
    }
    const auto user = parsed.value(QStringLiteral("--user"));
    const auto category = parsed.value(QStringLiteral("--category"));
    if (category && !user) {
        throw UsageError(QStringLiteral("для --category нужна учетная запись (--user LOGIN)"));
    }

    const LibraryBinding& library = LibraryBinding::process();
    if (!library.usable()) {
        throw Error(QStringLiteral("библиотека Lexavar недоступна: ") +
                    library.problems().join(QLatin1Char(' ')));
    }
    for (const QString& problem : library.problems()) {
        printError(QStringLiteral("предупреждение: ") + problem);
    }

    store::Store store(store::Settings::fromEnvironment());
    const int userId = user ? userIdOf(store, *user) : 0;
    AnalyseSink sink;
    // Each text is registered and analysed to its end before the next one is
    // read, so the texts finished before a failure stay stored.
    for (const QString& text : parsed.operands) {
        Session session = sessionFor(text, *save);
        session.textId = registerText(store, session.textFileName);
        if (category) {
            categories::ensureTables(store);
            categories::fileText(store, categories::ensureCategory(store, *category),
                                 session.textId, userId);
        }
        printLine(QStringLiteral("Текст ") + session.textFileName + QStringLiteral(" (id ") +
                  QString::number(session.textId) + QStringLiteral(")"));
        analysis::AnalysisDriver driver(library.api(), store, session, sink);
        driver.fullAnalysis({});
    }
    return 0;
}

}  // namespace

const BatchCommand analyseCommand = {
    "analyse", "--save PATH [--user LOGIN] [--category NAME] TEXT...",
    "\"Полный анализ\" со всеми построителями для каждого текста TEXT (Windows-1251): "
    "текст регистрируется по имени файла, как при выборе текста в программе, при "
    "--category подшивается к разделу NAME (он создается, если его нет) от имени "
    "учетной записи LOGIN, затем словники, список предложений, пары слов, сеть и "
    "распределение частот сохраняются в базе данных программы. Строки журнала "
    "анализа выводятся на стандартный вывод.",
    &runAnalyse};

}  // namespace quillon::batch
