#pragma once
// The three letter-statistics commands as the Statistics menu and the
// combination field run them, without widgets: they read the session's text
// path and letters file names, fill the statistics areas, report to the
// status line and write the letters files. The window's handlers and
// quillon-batch both call these, so both write the same bytes.
//
// Errors are thrown as quillon::Error and end the command where they occur;
// whatever was already shown stays: an unreadable text for the positional
// statistics or the search ("Ошибка открытия файла"), a text without letters
// for the positional statistics (NoLettersError, "Ошибка"), a letters file
// that cannot be written (the message names it; the status line keeps its
// "in progress" text).

#include <QLocale>
#include <QString>

#include "StatisticsView.h"
#include "app/CommandSink.h"
#include "app/LexavarApi.h"
#include "app/Session.h"

namespace quillon::letters {

class LettersCommands {
  public:
    // All references must outlive the object.
    LettersCommands(Session& session, const LexavarApi& api, StatisticsView& view,
                    CommandSink& sink, QLocale locale = QLocale::system());

    // Letter frequencies of the text into the areas and letters file 1. A
    // text that cannot be opened is announced ("Ошибка открытия файла!") and
    // counts as empty.
    void letterFrequency();

    // Positional statistics of the text into the areas and letters file 2.
    void positionalFrequency();

    // One search for the text of the combination field. The first search since
    // the text was chosen or viewed clears the areas and writes the header
    // lines. Returns false when the string holds a character a search may not
    // contain (the error line is added, nothing is counted or written).
    bool searchCombination(const QString& combination);

  private:
    // Shows the lines in both areas, adds the saved-to line and writes the
    // letters file (throws Error naming the file when it cannot be written).
    void showAndSave(AreaLines lines, const QString& file);

    Session& session_;
    const LexavarApi& api_;
    StatisticsView& view_;
    CommandSink& sink_;
    QLocale locale_;
};

}  // namespace quillon::letters
