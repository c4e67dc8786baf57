#pragma once
// TForm2, the main window "Анализ текста": the four mode buttons and panels,
// the menus, the login area, the status line and the progress bar, and the
// process's session state, store and Lexavar binding.
//
// Every control is a public member with the same object name, so that the
// modules (letters, analysis, results, search) and the GUI tests reach them.
// A module is a class constructed with (TForm2&) that connects its handlers
// to the actions and buttons here; it runs each handler through runGuarded()
// and reports long work to sink().
//
// Construction does the window's start-up: it binds Lexavar (once per
// process), opens the store named by the database setting, and sets the start
// state. Neither a missing library nor an unopenable database stops the
// program: the problem is shown once, and the commands that need the missing
// piece stay disabled (library) or say why they cannot run (database).
//
// ПОИСК (Button9) becomes enabled by the first successful login and stays
// enabled afterwards, like the menu items.

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <memory>

#include "app/CommandSink.h"
#include "app/LexavarApi.h"
#include "app/Session.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTextEdit;

namespace quillon {

class FileDialogs;
namespace store {
class Store;
}

class TForm2 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    // --- Session, store, library -------------------------------------------
    Session session;
    // The database; null when it could not be opened (storeProblem says why).
    store::Store* store = nullptr;
    QString storeProblem;
    // The bound library; its entries are null unless lexavarUsable.
    LexavarApi lexavar;
    bool lexavarUsable = false;
    QString lexavarProblem;  // what is wrong with the library or dictionary; empty: nothing

    // The store, or an Error saying that the database is unavailable.
    store::Store& requireStore();
    // Status line, progress bar and analysis log; repaints them on every
    // change, so a long command shows its progress although it blocks input.
    CommandSink& sink();
    // Runs one command, showing an escaping error as a message (ErrorDisplay.h).
    void runGuarded(const std::function<void()>& command);

    FileDialogs& fileDialogs() { return *fileDialogs_; }
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);
    // Opens the help page; the default hands it to QDesktopServices.
    std::function<bool(const QUrl&)> openUrl;

    // --- Controls -------------------------------------------------------------
    QPushButton* Button2 = nullptr;   // СТАТИСТИКА
    QPushButton* Button1 = nullptr;   // АНАЛИЗ
    QPushButton* Button5 = nullptr;   // РЕЗУЛЬТАТЫ
    QPushButton* Button9 = nullptr;   // ПОИСК
    QLineEdit* Edit3 = nullptr;       // letter combination
    QPushButton* Button12 = nullptr;  // Найти (combination)
    QLineEdit* Edit1 = nullptr;       // search word
    QPushButton* Button6 = nullptr;   // Найти (word)

    QLabel* loginLbl = nullptr;
    QLineEdit* loginTb = nullptr;
    QLineEdit* passTb = nullptr;
    QPushButton* loginBtn = nullptr;

    // Mode panels. Statistics and Analisys hold their text areas in a vertical
    // layout; Results and Search have an empty vertical layout for their
    // modules to fill.
    QWidget* Statistics = nullptr;
    QWidget* Analisys = nullptr;
    QWidget* Results = nullptr;
    QWidget* Search = nullptr;
    QTextEdit* RichEdit1 = nullptr;  // statistics output (read-only)
    QTextEdit* RichEdit2 = nullptr;  // statistics messages (read-only)
    QTextEdit* RichEdit3 = nullptr;  // text view
    QTextEdit* RichEdit4 = nullptr;  // analysis log

    QProgressBar* ProgressBar1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QMenuBar* MainMenu1 = nullptr;

    QMenu* N1 = nullptr;  // Текст
    QAction* N10 = nullptr;
    QAction* N2 = nullptr;
    QAction* N3 = nullptr;
    QAction* N9 = nullptr;
    QMenu* N36 = nullptr;  // Статистика (hidden outside the statistics mode)
    QAction* N37 = nullptr;
    QAction* N38 = nullptr;
    QAction* N39 = nullptr;
    QAction* N13 = nullptr;
    QMenu* N4 = nullptr;  // Анализ (hidden outside the analysis mode)
    QAction* N12 = nullptr;
    QAction* N15 = nullptr;
    QAction* N5 = nullptr;
    QAction* N41 = nullptr;
    QAction* N42 = nullptr;
    QAction* N43 = nullptr;
    QMenu* N7 = nullptr;  // Справка
    QAction* N8 = nullptr;
    QAction* N11 = nullptr;
    QAction* N6 = nullptr;  // Выход (top-level item)

    // Outer size of the window: 208 x 223 at start, 1040 x 745 once enlarged.
    static constexpr int kSmallWidth = 208;
    static constexpr int kSmallHeight = 223;
    static constexpr int kLargeWidth = 1040;
    static constexpr int kLargeHeight = 745;

    // True while the login area offers to create the first account of an
    // empty embedded database (label "Первая учетная запись:", button "Создать").
    bool offersFirstAccount() const { return firstAccount_; }

  signals:
    // Text selection has registered a text: the categories dialog shows itself
    // for this user and text.
    void categoriesRequested(const QString& userId, int textId);
    // A save path has been chosen and the output names derived.
    void savePathChosen();

  public slots:
    // Handlers (each also reachable by its action or button; the connected
    // ones run through runGuarded).
    void Button2Click();
    void Button1Click();
    void Button5Click();
    void Button9Click();
    void loginBtnClick();
    void N10Click();
    void N9Click();
    void N2Click();
    void N3Click();
    void N13Click();
    void N8Click();
    void N11Click();
    void N6Click();

  private:
    class WidgetSink;

    void buildControls();
    void buildMenus();
    void layoutControls();
    void FormCreate();
    void switchMode(QWidget* panel, const QString& status);
    void enlargeOnce();
    void setOuterSize(int width, int height);
    void enableTextCommands();
    void showLoggedOut();
    void printFile(const QString& path);
    void connectGuarded(QAction* action, void (TForm2::*handler)());
    void connectGuarded(QPushButton* button, void (TForm2::*handler)());

    QWidget* column_ = nullptr;  // left column: mode buttons, fields, login area
    QWidget* panels_ = nullptr;  // right side: the mode panels and the progress bar
    std::unique_ptr<store::Store> ownedStore_;
    std::unique_ptr<FileDialogs> fileDialogs_;
    std::unique_ptr<WidgetSink> sink_;
    bool firstAccount_ = false;
};

}  // namespace quillon
