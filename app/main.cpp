// Quillon's start-up: the application, then the windows in their order (the
// main window first, the dialogs after it), then the modules that wire their
// commands to the main window; only the main window is shown.

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "analysis/AnalysisMenu.h"
#include "analysis/TForm8.h"
#include "app/TForm2.h"
#include "browse/TForm12.h"
#include "letters/LettersPanel.h"
#include "store/Error.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillon"));
    try {
        quillon::TForm2 form2;
        quillon::TForm8 form8(&form2);
        quillon::TForm12 form12(form2.store, &form2);
        QObject::connect(&form2, &quillon::TForm2::categoriesRequested, &form12,
                         &quillon::TForm12::showFor);

        quillon::LettersPanel lettersPanel(form2);
        quillon::AnalysisMenu analysisMenu(form2, form8);

        form2.show();
        return QApplication::exec();
    } catch (const quillon::Error& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Quillon"), error.message());
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Quillon"),
                              QString::fromLocal8Bit(error.what()));
    }
    return 1;
}
