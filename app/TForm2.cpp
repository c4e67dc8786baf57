#include "app/TForm2.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Accounts.h"
#include "app/ErrorDisplay.h"
#include "app/FileDialogs.h"
#include "app/LibraryBinding.h"
#include "app/OutputNames.h"
#include "app/Paths.h"
#include "app/TextFile.h"
#include "app/TextRegistry.h"
#include "store/Error.h"
#include "store/Settings.h"
#include "store/Store.h"

namespace quillon {

// The main window's report of a long command. Each change repaints the
// widget at once: commands run on the GUI thread without returning to the
// event loop, so a plain update() would only show after the command.
class TForm2::WidgetSink : public CommandSink {
  public:
    explicit WidgetSink(TForm2& form) : form_(form) {}

    void status(const QString& text) override {
        form_.StatusBar1->showMessage(text);
        form_.StatusBar1->repaint();
    }
    void progressReset(int maximum) override {
        QProgressBar* bar = form_.ProgressBar1;
        // A range of 0..0 would turn the bar into a busy indicator.
        bar->setRange(0, std::max(maximum, 1));
        bar->setValue(0);
        bar->repaint();
    }
    void progressStep() override {
        QProgressBar* bar = form_.ProgressBar1;
        bar->setValue(std::min(bar->value() + 1, bar->maximum()));
        bar->repaint();
    }
    void log(const QString& line) override {
        form_.RichEdit4->append(line);
        form_.RichEdit4->repaint();
    }

  private:
    TForm2& form_;
};

namespace {

// The central widget: places its children itself (see layoutControls), so
// that the small start-up window is not held wider by a layout's minimum.
class Canvas : public QWidget {
  public:
    std::function<void()> onResize;

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (onResize) {
            onResize();
        }
    }
};

template <typename T>
T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QTextEdit* textArea(QWidget* parent, const char* name, bool readOnly) {
    auto* area = named(new QTextEdit(parent), name);
    area->setReadOnly(readOnly);
    area->setAcceptRichText(false);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return area;
}

const QString kLoggedOutLabel = QStringLiteral("Авторизация:");
const QString kFirstAccountLabel = QStringLiteral("Первая учетная запись:");

}  // namespace

TForm2::TForm2(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      fileDialogs_(makeStandardFileDialogs()),
      sink_(std::make_unique<WidgetSink>(*this)) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Анализ текста"));
    openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    buildControls();
    buildMenus();
    FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::buildControls() {
    auto* canvas = new Canvas;
    canvas->onResize = [this] { layoutControls(); };
    setCentralWidget(canvas);

    column_ = named(new QWidget(canvas), "column");
    Button2 = named(new QPushButton(QStringLiteral("СТАТИСТИКА"), column_), "Button2");
    Button1 = named(new QPushButton(QStringLiteral("АНАЛИЗ"), column_), "Button1");
    Button5 = named(new QPushButton(QStringLiteral("РЕЗУЛЬТАТЫ"), column_), "Button5");
    Button9 = named(new QPushButton(QStringLiteral("ПОИСК"), column_), "Button9");
    Button9->setEnabled(false);
    Edit3 = named(new QLineEdit(column_), "Edit3");
    Button12 = named(new QPushButton(QStringLiteral("Найти"), column_), "Button12");
    Edit1 = named(new QLineEdit(column_), "Edit1");
    Button6 = named(new QPushButton(QStringLiteral("Найти"), column_), "Button6");
    for (QWidget* hidden : {static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Button12),
                            static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Button6)}) {
        hidden->hide();
    }

    loginLbl = named(new QLabel(kLoggedOutLabel, column_), "loginLbl");
    loginTb = named(new QLineEdit(column_), "loginTb");
    passTb = named(new QLineEdit(column_), "passTb");
    passTb->setEchoMode(QLineEdit::Password);
    passTb->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // '*'
    loginBtn = named(new QPushButton(QStringLiteral("Войти"), column_), "loginBtn");
    connect(passTb, &QLineEdit::returnPressed, loginBtn, &QPushButton::click);

    panels_ = named(new QWidget(canvas), "panels");
    Statistics = named(new QWidget(panels_), "Statistics");
    RichEdit1 = textArea(Statistics, "RichEdit1", true);
    RichEdit2 = textArea(Statistics, "RichEdit2", true);
    auto* statisticsLayout = new QVBoxLayout(Statistics);
    statisticsLayout->setContentsMargins(0, 0, 0, 0);
    statisticsLayout->addWidget(RichEdit1, 3);
    statisticsLayout->addWidget(RichEdit2, 1);

    Analisys = named(new QWidget(panels_), "Analisys");
    RichEdit3 = textArea(Analisys, "RichEdit3", true);
    RichEdit4 = textArea(Analisys, "RichEdit4", true);
    auto* analysisLayout = new QVBoxLayout(Analisys);
    analysisLayout->setContentsMargins(0, 0, 0, 0);
    analysisLayout->addWidget(RichEdit3, 3);
    analysisLayout->addWidget(RichEdit4, 1);

    Results = named(new QWidget(panels_), "Results");
    new QVBoxLayout(Results);
    Search = named(new QWidget(panels_), "Search");
    new QVBoxLayout(Search);

    ProgressBar1 = named(new QProgressBar(panels_), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    StatusBar1 = named(statusBar(), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);

    connectGuarded(Button2, &TForm2::Button2Click);
    connectGuarded(Button1, &TForm2::Button1Click);
    connectGuarded(Button5, &TForm2::Button5Click);
    connectGuarded(Button9, &TForm2::Button9Click);
    connectGuarded(loginBtn, &TForm2::loginBtnClick);
}

void TForm2::buildMenus() {
    MainMenu1 = named(menuBar(), "MainMenu1");
    auto action = [](QMenu* menu, const QString& caption, const char* name, bool enabled) {
        QAction* item = named(menu->addAction(caption), name);
        item->setEnabled(enabled);
        return item;
    };

    N1 = named(MainMenu1->addMenu(QStringLiteral("Текст")), "N1");
    N10 = action(N1, QStringLiteral("Выбрать текст"), "N10", true);
    N2 = action(N1, QStringLiteral("Посмотреть"), "N2", false);
    N3 = action(N1, QStringLiteral("Печать"), "N3", false);
    N9 = action(N1, QStringLiteral("Выбрать путь для сохранения"), "N9", true);

    N36 = named(MainMenu1->addMenu(QStringLiteral("Статистика")), "N36");
    N37 = action(N36, QStringLiteral("Расчет частот"), "N37", false);
    N38 = action(N36, QStringLiteral("Расчет частот букв по позициям"), "N38", false);
    N39 = action(N36, QStringLiteral("Встречаемость произвольной комбинации"), "N39", false);
    N13 = action(N36, QStringLiteral("Печать"), "N13", false);
    N36->menuAction()->setVisible(false);

    N4 = named(MainMenu1->addMenu(QStringLiteral("Анализ")), "N4");
    N12 = action(N4, QStringLiteral("Полный анализ"), "N12", false);
    N15 = action(N4, QStringLiteral("Получить словник"), "N15", false);
    N5 = action(N4, QStringLiteral("Параметры анализа"), "N5", false);
    N41 = action(N4, QStringLiteral("Получить список предложений"), "N41", false);
    N42 = action(N4, QStringLiteral("Построить сеть"), "N42", false);
    N43 = action(N4, QStringLiteral("Получить распределение частот"), "N43", false);
    N4->menuAction()->setVisible(false);

    N7 = named(MainMenu1->addMenu(QStringLiteral("Справка")), "N7");
    N8 = action(N7, QStringLiteral("Справка"), "N8", true);
    N11 = action(N7, QStringLiteral("О программе"), "N11", true);

    N6 = named(MainMenu1->addAction(QStringLiteral("Выход")), "N6");

    connectGuarded(N10, &TForm2::N10Click);
    connectGuarded(N2, &TForm2::N2Click);
    connectGuarded(N3, &TForm2::N3Click);
    connectGuarded(N9, &TForm2::N9Click);
    connectGuarded(N13, &TForm2::N13Click);
    connectGuarded(N8, &TForm2::N8Click);
    connectGuarded(N11, &TForm2::N11Click);
    connectGuarded(N6, &TForm2::N6Click);
}

void TForm2::connectGuarded(QAction* action, void (TForm2::*handler)()) {
    connect(action, &QAction::triggered, this,
            [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
}

void TForm2::connectGuarded(QPushButton* button, void (TForm2::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
}

void TForm2::layoutControls() {
    const QSize area = centralWidget()->size();
    const int margin = 4;
    const int columnWidth = 190;
    column_->setGeometry(margin, margin, columnWidth, std::max(area.height() - 2 * margin, 0));

    const int buttonWidth = 185;
    const int buttonHeight = 28;
    int y = 0;
    for (QPushButton* button : {Button2, Button1, Button5, Button9}) {
        button->setGeometry(0, y, buttonWidth, buttonHeight);
        y += buttonHeight + 4;
    }
    y += 8;
    for (QLineEdit* field : {Edit3, Edit1}) {
        field->setGeometry(0, y, buttonWidth, 24);
    }
    for (QPushButton* button : {Button12, Button6}) {
        button->setGeometry(0, y + 28, buttonWidth, buttonHeight);
    }

    // The login area sits at the bottom of the column; in the small start-up
    // window it lies below the visible part.
    const int loginTop = std::max(column_->height() - 124, y + 80);
    loginLbl->setGeometry(0, loginTop, buttonWidth, 20);
    loginTb->setGeometry(0, loginTop + 24, buttonWidth, 24);
    passTb->setGeometry(0, loginTop + 52, buttonWidth, 24);
    loginBtn->setGeometry(0, loginTop + 84, buttonWidth, buttonHeight);

    const int left = margin + columnWidth + margin;
    const int width = std::max(area.width() - left - margin, 0);
    const int barHeight = 18;
    panels_->setGeometry(left, margin, width, std::max(area.height() - 2 * margin, 0));
    const int panelHeight = std::max(panels_->height() - barHeight - margin, 0);
    for (QWidget* panel : {Statistics, Analisys, Results, Search}) {
        panel->setGeometry(0, 0, width, panelHeight);
    }
    ProgressBar1->setGeometry(0, panelHeight + margin, width, barHeight);
}

void TForm2::FormCreate() {
    const LibraryBinding& binding = LibraryBinding::process();
    lexavar = binding.api();
    lexavarUsable = binding.usable();
    lexavarProblem = binding.problems().join(u'\n');

    setOuterSize(kSmallWidth, kSmallHeight);
    setFixedSize(size());
    session.enlarged = false;
    for (QWidget* panel : {Statistics, Analisys, Results, Search}) {
        panel->hide();
    }
    StatusBar1->showMessage(QStringLiteral("Программа анализа текста"));

    QStringList problems;
    if (!lexavarProblem.isEmpty()) {
        problems << lexavarProblem;
    }
    try {
        ownedStore_ = std::make_unique<store::Store>(store::Settings::fromEnvironment());
        store = ownedStore_.get();
        // An embedded database without any account offers to create the
        // first one from the login area; a shared server has its accounts
        // made by its administrator (quillon-users).
        if (store->settings().kind == store::Settings::Kind::Sqlite &&
            accounts::count(*store) == 0) {
            firstAccount_ = true;
        }
    } catch (const std::exception& error) {
        const auto* own = dynamic_cast<const Error*>(&error);
        storeProblem = QStringLiteral("База данных недоступна: %1")
                           .arg(own ? own->message() : QString::fromLocal8Bit(error.what()));
        problems << storeProblem;
    }
    showLoggedOut();
    if (!problems.isEmpty()) {
        // A missing dictionary alone is a warning: everything still runs.
        const QString text = problems.join(QStringLiteral("\n\n"));
        if (lexavarUsable && store) {
            messages().information(this, text);
        } else {
            messages().critical(this, text);
        }
    }
}

void TForm2::setOuterSize(int width, int height) {
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(width - frame.width(), height - frame.height());
}

store::Store& TForm2::requireStore() {
    if (!store) {
        throw Error(storeProblem.isEmpty() ? QStringLiteral("База данных недоступна.")
                                           : storeProblem);
    }
    return *store;
}

CommandSink& TForm2::sink() {
    return *sink_;
}

void TForm2::runGuarded(const std::function<void()>& command) {
    quillon::runGuarded(this, command);
}

void TForm2::setFileDialogs(std::unique_ptr<FileDialogs> dialogs) {
    fileDialogs_ = dialogs ? std::move(dialogs) : makeStandardFileDialogs();
}

// --- Modes ------------------------------------------------------------------

void TForm2::switchMode(QWidget* panel, const QString& status) {
    for (QWidget* each : {Statistics, Analisys, Results, Search}) {
        each->setVisible(each == panel);
    }
    StatusBar1->showMessage(status);
    enlargeOnce();
}

void TForm2::enlargeOnce() {
    if (session.enlarged) {
        return;
    }
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setOuterSize(kLargeWidth, kLargeHeight);
    if (QScreen* desktop = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(desktop->availableGeometry().center());
        move(frame.topLeft());
    }
    session.enlarged = true;
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm2::Button2Click() {
    Analisys->hide();
    Results->hide();
    Search->hide();
    Edit1->hide();
    Button6->hide();
    N13->setEnabled(false);
    N36->menuAction()->setVisible(true);
    N4->menuAction()->setVisible(false);
    switchMode(Statistics, QStringLiteral("Расчет статистики использования букв"));
}

void TForm2::Button1Click() {
    for (QWidget* hidden : {static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Button12),
                            static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Button6)}) {
        hidden->hide();
    }
    N36->menuAction()->setVisible(false);
    N4->menuAction()->setVisible(true);
    switchMode(Analisys, QStringLiteral("Анализ текста"));
}

void TForm2::Button5Click() {
    for (QWidget* hidden : {static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Button12),
                            static_cast<QWidget*>(Edit1), static_cast<QWidget*>(Button6)}) {
        hidden->hide();
    }
    N36->menuAction()->setVisible(false);
    N4->menuAction()->setVisible(false);
    switchMode(Results, QStringLiteral("Работа с полученными результатами"));
}

void TForm2::Button9Click() {
    Edit3->hide();
    Button12->hide();
    N36->menuAction()->setVisible(false);
    N4->menuAction()->setVisible(false);
    switchMode(Search, QStringLiteral("Поиск связей и примеров употребления слов"));
}

// --- Login --------------------------------------------------------------------

void TForm2::showLoggedOut() {
    loginLbl->setText(firstAccount_ ? kFirstAccountLabel : kLoggedOutLabel);
    loginTb->clear();
    passTb->clear();
    loginTb->show();
    passTb->show();
    loginBtn->setText(firstAccount_ ? QStringLiteral("Создать") : QStringLiteral("Войти"));
}

void TForm2::loginBtnClick() {
    if (session.loggedIn) {
        session.loggedIn = false;
        showLoggedOut();
        session.userId.clear();
        return;
    }

    store::Store& db = requireStore();
    const QString login = loginTb->text();
    const QString password = passTb->text();
    int id = 0;
    if (firstAccount_) {
        if (login.trimmed().isEmpty() || password.isEmpty()) {
            messages().information(this,
                                   QStringLiteral("Введите логин и пароль новой учетной записи."));
            return;
        }
        try {
            id = accounts::createFirst(db, login, password);
        } catch (...) {
            // Another program may have made the first account meanwhile:
            // from now on this area logs in.
            firstAccount_ = accounts::count(db) == 0;
            loginLbl->setText(firstAccount_ ? kFirstAccountLabel : kLoggedOutLabel);
            loginBtn->setText(firstAccount_ ? QStringLiteral("Создать") : QStringLiteral("Войти"));
            throw;
        }
        firstAccount_ = false;
    } else {
        const std::optional<int> found = accounts::check(db, login, password);
        if (!found) {
            passTb->clear();
            QString message = QStringLiteral("Вход не выполнен: неверный логин или пароль.");
            if (accounts::count(db) == 0) {
                message += QStringLiteral(
                    " В базе данных нет учетных записей; их создает "
                    "администратор программой quillon-users.");
            }
            messages().information(this, message);
            return;
        }
        id = *found;
    }

    session.userId = QString::number(id);
    session.loggedIn = true;
    loginLbl->setText(QStringLiteral("Здравствуйте, ") + login);
    loginTb->hide();
    passTb->hide();
    loginBtn->setText(QStringLiteral("Выход"));
    Button9->setEnabled(true);
}

// --- Text and save path ---------------------------------------------------------

void TForm2::enableTextCommands() {
    for (QAction* item : {N37, N39, N5}) {
        item->setEnabled(true);
    }
    // These call Lexavar: without a usable library they stay disabled.
    for (QAction* item : {N38, N12, N15, N41}) {
        item->setEnabled(lexavarUsable);
    }
}

void TForm2::N10Click() {
    if (session.userId.isEmpty()) {
        messages().information(
            this, QStringLiteral("Для загрузки текста необходимо авторизоваться в системе"));
        return;
    }
    const QString path = fileDialogs_->openFile(this, QStringLiteral("*.txt"));
    if (path.isEmpty()) {
        return;
    }
    // Registered first: when the database refuses, the session keeps the
    // previous text whole (path, name and id stay together).
    const QString name = textFileName(path);
    const int id = registerText(requireStore(), name);
    session.textPath = path;
    session.textFileName = name;
    session.textId = id;
    emit categoriesRequested(session.userId, id);

    if (session.savePathChosen) {
        enableTextCommands();
    }
    N2->setEnabled(true);
    N3->setEnabled(true);
    session.searchStarted = false;

    RichEdit3->clear();
    RichEdit3->setPlainText(readTextHead(path).value_or(QString()));
}

void TForm2::N9Click() {
    const QString chosen = fileDialogs_->saveFile(this, QStringLiteral("letters.frq"));
    if (chosen.isEmpty()) {
        return;  // cancelled: the save path and the output names stay as they were
    }
    applyOutputNames(session, deriveOutputNames(chosen));
    if (N2->isEnabled()) {
        enableTextCommands();
    }
    emit savePathChosen();
}

// --- Viewing, printing, help ------------------------------------------------------

void TForm2::N2Click() {
    RichEdit1->clear();
    RichEdit1->setVisible(true);
    const QString text = readTextHead(session.textPath).value_or(QString());
    RichEdit1->setPlainText(text);
    RichEdit3->setPlainText(text);
    session.searchStarted = false;
}

void TForm2::printFile(const QString& path) {
    const std::optional<QString> text = readTextHead(path);
    if (!text) {
        throw Error(QStringLiteral("Не удалось открыть файл %1 для печати.").arg(path));
    }
    QPrinter printer;
    printer.setDocName(QFileInfo(path).fileName());
    if (!fileDialogs_->setupPrinter(this, printer)) {
        return;
    }
    QTextDocument document;
    document.setPlainText(*text);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        throw Error(QStringLiteral("Не удалось напечатать файл %1.").arg(path));
    }
}

void TForm2::N3Click() {
    printFile(session.textPath);
}

void TForm2::N13Click() {
    printFile(session.lettersFile[0]);
}

void TForm2::N8Click() {
    const QString index = paths::helpIndex();
    if (!QFileInfo::exists(index)) {
        throw Error(QStringLiteral("Справка не найдена: %1").arg(index));
    }
    if (!openUrl(QUrl::fromLocalFile(index))) {
        throw Error(QStringLiteral("Не удалось открыть справку %1").arg(index));
    }
}

void TForm2::N11Click() {
    messages().information(
        this, QStringLiteral("Quillon — программа для автоматизированного анализа русских "
                             "текстов: статистика букв, словники, списки предложений, пары "
                             "слов и сети их связей. Разработана в 2008 году в рамках проекта "
                             "Quillon. Версия 1.1 (2011г.)"));
}

void TForm2::N6Click() {
    close();
}

}  // namespace quillon
