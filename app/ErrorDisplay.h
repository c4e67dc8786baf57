#pragma once
// The program's one way of telling the user something in a message box, and
// the one place where an error escaping a command becomes such a message.
//
// Every form shows its messages through messages(). Tests replace the
// display (setMessageDisplay) with a recorder so that nothing blocks in an
// offscreen run; the program uses QMessageBox.

#include <QString>
#include <functional>

class QWidget;

namespace quillon {

class MessageDisplay {
  public:
    virtual ~MessageDisplay() = default;
    virtual void information(QWidget* parent, const QString& text) = 0;
    virtual void critical(QWidget* parent, const QString& text) = 0;
    // A yes/no question; true for yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
};

// The display in force: the one set last, or the message boxes.
MessageDisplay& messages();
// Replaces the display (not owned; it must outlive its use). nullptr restores
// the message boxes.
void setMessageDisplay(MessageDisplay* display);

// Runs one command. A quillon::Error or std::exception that escapes it is
// shown as a critical message with the error's own text, and the rest of the
// command is skipped; what the command had done stays done. Returns true when
// the command ran to its end.
bool runGuarded(QWidget* parent, const std::function<void()>& command);

}  // namespace quillon
