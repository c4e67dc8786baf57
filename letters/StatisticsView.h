#pragma once
// The two areas of the Statistics panel as the letter commands use them: the
// output area (tables, search results) above the message area (titles,
// figures, file names), plus a message box that does not end the command.
// The main window implements it with its RichEdit1/RichEdit2; quillon-batch
// and tests with TextAreas.

#include <QString>
#include <QStringList>

namespace quillon::letters {

// The lines a letter command puts into the two areas and its letters file:
// the message lines (titles, figures, file names) and the output lines.
struct AreaLines {
    QStringList message;
    QStringList output;
};

class StatisticsView {
  public:
    virtual ~StatisticsView() = default;

    // Replaces the contents of both areas.
    virtual void setAreas(const QStringList& message, const QStringList& output) = 0;
    virtual void addMessageLine(const QString& line) = 0;
    virtual void addOutputLine(const QString& line) = 0;
    // The output area's lines as it now shows them.
    virtual QStringList outputLines() const = 0;
    // Shows a message to the user; the command goes on.
    virtual void notify(const QString& text) = 0;
};

// Areas held as plain lists.
class TextAreas : public StatisticsView {
  public:
    void setAreas(const QStringList& m, const QStringList& o) override {
        message = m;
        output = o;
    }
    void addMessageLine(const QString& line) override { message << line; }
    void addOutputLine(const QString& line) override { output << line; }
    QStringList outputLines() const override { return output; }
    void notify(const QString& text) override { notices << text; }

    QStringList message;
    QStringList output;
    QStringList notices;
};

}  // namespace quillon::letters
