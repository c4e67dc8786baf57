#pragma once
// The letter statistics in the main window: wires the Statistics menu items
// N37, N38, N39 and the combination button Button12 of TForm2 to the letter
// commands, showing their areas in RichEdit1 (output) and RichEdit2
// (messages). Every handler runs through the window's runGuarded, so an error
// is shown as a message and the rest of the command is skipped.
//
// The panel is a child of the window and lives as long as it.

#include <QObject>
#include <memory>

namespace quillon {

class TForm2;

namespace letters {
class LettersCommands;
class StatisticsView;
}  // namespace letters

class LettersPanel : public QObject {
    Q_OBJECT

  public:
    explicit LettersPanel(TForm2& form);
    ~LettersPanel() override;

  public slots:
    void N37Click();  // Расчет частот
    void N38Click();  // Расчет частот букв по позициям
    void N39Click();  // Встречаемость произвольной комбинации
    void Button12Click();  // Найти

  private:
    void hideCombinationField();

    TForm2& form_;
    std::unique_ptr<letters::StatisticsView> view_;
    std::unique_ptr<letters::LettersCommands> commands_;
};

}  // namespace quillon
