#include "LettersPanel.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "LettersCommands.h"
#include "StatisticsView.h"
#include "app/ErrorDisplay.h"
#include "app/TForm2.h"
#include "store/Error.h"

namespace quillon {

namespace {

// The statistics areas shown in the window's two read-only text areas, as
// plain text (a line is never taken for markup).
class WidgetAreas : public letters::StatisticsView {
  public:
    WidgetAreas(TForm2& form) : form_(form) {}

    void setAreas(const QStringList& message, const QStringList& output) override {
        form_.RichEdit2->setPlainText(message.join(QLatin1Char('\n')));
        form_.RichEdit1->setPlainText(output.join(QLatin1Char('\n')));
    }
    void addMessageLine(const QString& line) override { addLine(form_.RichEdit2, line); }
    void addOutputLine(const QString& line) override { addLine(form_.RichEdit1, line); }
    QStringList outputLines() const override {
        const QString text = form_.RichEdit1->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    void notify(const QString& text) override { messages().information(&form_, text); }

  private:
    static void addLine(QTextEdit* area, const QString& line) {
        const bool empty = area->document()->isEmpty();
        QTextCursor cursor(area->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(empty ? line : QLatin1Char('\n') + line);
    }

    TForm2& form_;
};

}  // namespace

LettersPanel::LettersPanel(TForm2& form)
    : QObject(&form),
      form_(form),
      view_(std::make_unique<WidgetAreas>(form)),
      commands_(std::make_unique<letters::LettersCommands>(form.session, form.lexavar, *view_,
                                                           form.sink())) {
    const auto guarded = [this](void (LettersPanel::*handler)()) {
        return [this, handler] { form_.runGuarded([this, handler] { (this->*handler)(); }); };
    };
    connect(form.N37, &QAction::triggered, this, guarded(&LettersPanel::N37Click));
    connect(form.N38, &QAction::triggered, this, guarded(&LettersPanel::N38Click));
    connect(form.N39, &QAction::triggered, this, guarded(&LettersPanel::N39Click));
    connect(form.Button12, &QPushButton::clicked, this, guarded(&LettersPanel::Button12Click));
}

LettersPanel::~LettersPanel() = default;

void LettersPanel::hideCombinationField() {
    form_.Edit3->hide();
    form_.Button12->hide();
}

void LettersPanel::N37Click() {
    hideCombinationField();
    commands_->letterFrequency();
    form_.N13->setEnabled(true);
}

void LettersPanel::N38Click() {
    hideCombinationField();
    if (!form_.lexavarUsable)
        throw Error(form_.lexavarProblem.isEmpty() ? QStringLiteral("Библиотека Lexavar недоступна")
                                                   : form_.lexavarProblem);
    commands_->positionalFrequency();
    form_.N13->setEnabled(true);
}

void LettersPanel::N39Click() {
    form_.Edit3->show();
    form_.Button12->show();
    form_.sink().status(QStringLiteral("Поиск произвольных строк"));
    form_.N13->setEnabled(true);
}

void LettersPanel::Button12Click() {
    commands_->searchCombination(form_.Edit3->text());
}

}  // namespace quillon
