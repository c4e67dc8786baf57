#pragma once
// The commands of quillon-batch. Each command lives in a file of its own and
// is listed once in the dispatch table of main.cpp; it gets the arguments
// after its name and returns the exit code.
//
// A command reports bad arguments by throwing UsageError (exit code 2, the
// usage shown) and failures by throwing quillon::Error (exit code 1); both
// messages go to stderr. What a command wrote goes to stdout.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "app/CommandSink.h"
#include "app/Session.h"
#include "store/Error.h"

namespace quillon::batch {

struct BatchCommand {
    const char* name;
    const char* synopsis;     // the arguments, as the help shows them
    const char* description;  // one paragraph, Russian
    int (*run)(const QStringList& args);
};

class UsageError : public Error {
  public:
    using Error::Error;
};

// Arguments split into --options with a value and the remaining operands.
// Unknown options and options without their value are usage errors.
struct ParsedArgs {
    QStringList operands;
    std::optional<QString> value(const QString& option) const;
    QStringList options;  // option names in the order given
    QStringList values;
};
ParsedArgs parseArgs(const QStringList& args, const QStringList& knownOptions);

// The session as the window has it after choosing the text file and the save
// path: absolute paths, the output names derived from the save path. Throws
// Error when the text file cannot be read.
Session sessionFor(const QString& textFile, const QString& savePath);

// Writes to stdout and stderr in the terminal's encoding.
void printLine(const QString& line);
void printError(const QString& line);

// Status texts are dropped; analysis log lines go to stdout.
class TerminalSink : public CommandSink {
  public:
    void status(const QString&) override {}
    void progressReset(int) override {}
    void progressStep() override {}
    void log(const QString& line) override { printLine(line); }
};

// The commands, each defined in its own file.
extern const BatchCommand lettersCommand;
extern const BatchCommand combinationCommand;
extern const BatchCommand analyseCommand;

}  // namespace quillon::batch
