#pragma once
// The project's one error type. Cores throw it with a message meant for the
// user (Russian where the program defines the text, the driver's or the
// system's own words otherwise); the main window shows it in a message box and
// skips the rest of the command, quillon-batch prints it and exits non-zero.

#include <QString>
#include <stdexcept>

namespace quillon {

class Error : public std::runtime_error {
  public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace quillon
