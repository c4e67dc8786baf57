#pragma once
// The session state: the process-wide values through which the commands of the
// main window hand work to each other. One Session lives as long as the main
// window; commands read and write its fields directly. Nothing is persisted.

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

#include "analysis/Words.h"

namespace quillon {

// One registered result as held in memory (a row of Results).
struct Result {
    int id = 0;
    QString name;
    int textId = 0;
    int typeId = 0;
    int parent1Id = 0;
    int parent2Id = 0;
};

struct Session {
    bool enlarged = false;  // the first mode switch has enlarged the window
    bool loggedIn = false;  // the login button is in its logged-in state
    QString userId;         // Users.id of the logged-in account as text; empty: nobody
    QString textPath;       // full path of the chosen text file
    QString textFileName;   // the text path's file name, without its folder
    int textId = 0;         // ProccessedTexts.id of the current text
    QString savePath;       // after choosing: the same text as letters file 3
    bool savePathChosen = false;
    std::array<QString, 3> lettersFile;  // letters files 1, 2, 3 at indexes 0, 1, 2
    std::array<QString, 10> exportFile;  // export names by result kind 0..9

    // The combination search has written its header lines since the text was
    // last chosen or viewed; text selection and viewing clear it so that the
    // next search starts the statistics areas afresh.
    bool searchStarted = false;

    Result openResult;               // the result chosen in the results panel
    QVector<Result> browsedResults;  // results of the text chosen in the results panel

    WordList fullVocabulary;     // last vocabulary built, sorted
    WordList networkVocabulary;  // its part used for word pairs, sorted

    // The export file name of a result kind: exportFile[kind] for 0..9, the
    // fallback file "1.txt" in the system's temporary folder for any other value.
    QString OutputFileForType(int kind) const;
};

}  // namespace quillon
