#pragma once
// The "Анализ" menu of the main window: wires N12, N15, N5, N41, N42 and N43
// to the analysis commands, runs each through the window's error display and
// enables "Построить сеть" and "Получить распределение частот" at the end of
// every vocabulary build. Lives as long as the main window; neither window is
// owned.

#include <QObject>

namespace quillon {

class TForm2;
class TForm8;

class AnalysisMenu : public QObject {
    Q_OBJECT

  public:
    AnalysisMenu(TForm2& form, TForm8& parameters);

  public slots:
    void N12Click();
    void N15Click();
    void N5Click();
    void N41Click();
    void N42Click();
    void N43Click();

  private:
    // Runs one command of a driver on the window's session, store and sink.
    template <typename Command>
    void run(Command command);

    TForm2& form_;
    TForm8& parameters_;
};

}  // namespace quillon
