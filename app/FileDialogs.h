#pragma once
// The dialogs through which the main window and the panels ask the user for
// a file or a printer. The program uses the standard Qt dialogs; tests put in
// a scripted replacement (TestDoubles.h) so that nothing blocks.

#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace quillon {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // An existing file to read, offered from the current folder and filtered
    // by filter (e.g. "*.txt"); empty when the user cancels.
    virtual QString openFile(QWidget* parent, const QString& filter) = 0;
    // A file to write, with presetName offered; empty when the user cancels.
    virtual QString saveFile(QWidget* parent, const QString& presetName) = 0;
    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool setupPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The standard dialogs (QFileDialog, QPrintDialog).
std::unique_ptr<FileDialogs> makeStandardFileDialogs();

}  // namespace quillon
