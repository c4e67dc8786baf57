#pragma once
// Where the program finds what it ships with. Programs live in <root>/bin,
// both in the build tree and after installing; the library is beside them
// (build tree) or in <root>/lib (installed), the dictionary and the help in
// <root>/share/quillon. Two environment variables override the defaults for
// deployments and tests:
//   QUILLON_LEXAVAR   full path of the Lexavar library file,
//   QUILLON_DATA_DIR  the data folder (dictionary files and help/).
// Needs a QCoreApplication (paths are relative to the program's folder).

#include <QString>

namespace quillon::paths {

// The folder of the running program.
QString programDir();
// The Lexavar library file to load (it need not exist).
QString lexavarLibrary();
// The data folder: main.dic, end.mdl, types.chn and help/.
QString dataDir();
// The start page of the Russian help.
QString helpIndex();

}  // namespace quillon::paths
