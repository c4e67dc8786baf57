#include "app/FileDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace quillon {

namespace {

class StandardFileDialogs : public FileDialogs {
  public:
    QString openFile(QWidget* parent, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Открыть"), QString(),
                                            QStringLiteral("Текстовые файлы (%1)").arg(filter));
    }
    QString saveFile(QWidget* parent, const QString& presetName) override {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить"), presetName);
    }
    bool setupPrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

}  // namespace

std::unique_ptr<FileDialogs> makeStandardFileDialogs() {
    return std::make_unique<StandardFileDialogs>();
}

}  // namespace quillon
