#include "app/ErrorDisplay.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "store/Error.h"

namespace quillon {

namespace {

QString title() {
    const QString name = QApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Quillon") : name;
}

class MessageBoxes : public MessageDisplay {
  public:
    void information(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, title(), text);
    }
    void critical(QWidget* parent, const QString& text) override {
        QMessageBox::critical(parent, title(), text);
    }
    bool question(QWidget* parent, const QString& text) override {
        return QMessageBox::question(parent, title(), text) == QMessageBox::Yes;
    }
};

MessageDisplay* current = nullptr;

}  // namespace

MessageDisplay& messages() {
    static MessageBoxes boxes;
    return current ? *current : boxes;
}

void setMessageDisplay(MessageDisplay* display) {
    current = display;
}

bool runGuarded(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const Error& error) {
        messages().critical(parent, error.message());
    } catch (const std::exception& error) {
        messages().critical(parent, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

}  // namespace quillon
