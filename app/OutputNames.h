#pragma once
// Output file naming: every file the program writes is named from the one
// path chosen in the save dialog. The output base is that path without its
// extension (the part of the file name from its last dot, when the name has
// one that is not its first character); the letters files and the export
// files are the base followed by fixed suffixes.

#include <QString>
#include <array>

#include "app/Session.h"

namespace quillon {

struct OutputNames {
    QString base;                     // the chosen path without its extension
    std::array<QString, 3> letters;   // base + "_1.frq", "_2.frq", "_3.frq"
    std::array<QString, 10> exports;  // base + the suffix of result kind 0..9
    QString savePath;                 // what the session keeps: letters file 3
};

// The suffix of the export file of result kind 0..9.
QString exportSuffix(int kind);

// The names derived from a chosen path (a non-empty path; both '/' and '\'
// separate folders).
OutputNames deriveOutputNames(const QString& chosenPath);

// Stores the names in the session and sets its save-path flag.
void applyOutputNames(Session& session, const OutputNames& names);

}  // namespace quillon
