#include "analysis/AnalysisMenu.h"

#include <QAction>

#include "analysis/Driver.h"
#include "analysis/TForm8.h"
#include "app/ErrorDisplay.h"
#include "app/TForm2.h"

namespace quillon {

AnalysisMenu::AnalysisMenu(TForm2& form, TForm8& parameters)
    : QObject(&form), form_(form), parameters_(parameters) {
    connect(form.N12, &QAction::triggered, this, &AnalysisMenu::N12Click);
    connect(form.N15, &QAction::triggered, this, &AnalysisMenu::N15Click);
    connect(form.N5, &QAction::triggered, this, &AnalysisMenu::N5Click);
    connect(form.N41, &QAction::triggered, this, &AnalysisMenu::N41Click);
    connect(form.N42, &QAction::triggered, this, &AnalysisMenu::N42Click);
    connect(form.N43, &QAction::triggered, this, &AnalysisMenu::N43Click);
}

template <typename Command>
void AnalysisMenu::run(Command command) {
    form_.runGuarded([this, command] {
        analysis::AnalysisDriver driver(form_.lexavar, form_.requireStore(), form_.session,
                                        form_.sink());
        driver.onVocabularyBuilt = [this] {
            form_.N42->setEnabled(true);
            form_.N43->setEnabled(true);
        };
        command(driver);
    });
}

void AnalysisMenu::N12Click() {
    const analysis::AnalysisParameters parameters = parameters_.parameters();
    run([parameters](analysis::AnalysisDriver& d) { d.fullAnalysis(parameters); });
}

void AnalysisMenu::N15Click() {
    run([](analysis::AnalysisDriver& d) { d.vocabulary(); });
}

void AnalysisMenu::N5Click() {
    parameters_.show();
    parameters_.raise();
    parameters_.activateWindow();
}

void AnalysisMenu::N41Click() {
    run([](analysis::AnalysisDriver& d) { d.sentenceList(); });
}

void AnalysisMenu::N42Click() {
    run([](analysis::AnalysisDriver& d) { d.network(); });
}

void AnalysisMenu::N43Click() {
    run([](analysis::AnalysisDriver& d) { d.distribution(); });
}

}  // namespace quillon
