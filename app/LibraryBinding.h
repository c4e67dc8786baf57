#pragma once
// Binding of the morphology library: loads the Lexavar library file by path,
// looks up the ten entries the program calls by their export names and calls
// Start once with the full paths of the dictionary files main.dic, end.mdl
// and types.chn of the data folder.
//
// Nothing here throws. A library that cannot be loaded or lacks an entry
// leaves the binding unusable (the program then keeps the commands that need
// the library disabled); missing dictionary files leave it usable (Lexavar
// starts with empty tables and finds no readings). Each case is described in
// problems(), in words meant for the user.
//
// The loaded library is never unloaded: the entry points stay valid until
// the process ends.

#include <QString>
#include <QStringList>

#include "app/LexavarApi.h"

namespace quillon {

class LibraryBinding {
  public:
    // Loads libraryFile, binds the entries and, when all ten are bound, calls
    // Start with the dictionary files of dataDir (Start's result is kept but
    // does not decide anything).
    static LibraryBinding bind(const QString& libraryFile, const QString& dataDir);

    // The process's binding, made on first use from paths::lexavarLibrary()
    // and paths::dataDir(); Start is called at most once per process this way.
    static const LibraryBinding& process();

    const LexavarApi& api() const { return api_; }
    // True when every entry is bound and Start has been called.
    bool usable() const { return usable_; }
    // What went wrong, one sentence each; empty when all is well.
    const QStringList& problems() const { return problems_; }
    const QString& libraryFile() const { return libraryFile_; }
    int startResult() const { return startResult_; }

    // The file names of the dictionary, in the order Start takes them.
    static QStringList dictionaryFiles();

  private:
    LexavarApi api_;
    bool usable_ = false;
    QStringList problems_;
    QString libraryFile_;
    int startResult_ = 0;
};

}  // namespace quillon
