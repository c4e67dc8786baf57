// quillon-users: adds, lists and removes the accounts that may log in to
// Quillon, and changes their passwords. It uses the same database setting as
// the program (QUILLON_DATABASE, the settings file, or the embedded default),
// or the one given with --database.
//
//   quillon-users [--database VALUE] add LOGIN
//   quillon-users [--database VALUE] list
//   quillon-users [--database VALUE] remove LOGIN
//   quillon-users [--database VALUE] passwd LOGIN
//
// Passwords are read from the terminal without echo and asked twice; when
// the input is not a terminal, the first line of the input is the password.

#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "app/Accounts.h"
#include "store/Error.h"
#include "store/Settings.h"
#include "store/Store.h"

namespace {

using namespace quillon;

int usage() {
    std::cerr << "usage: quillon-users [--database VALUE] add LOGIN | list | remove LOGIN | "
                 "passwd LOGIN\n";
    return 2;
}

std::optional<std::string> readLine(const char* prompt, bool terminal) {
    if (terminal) {
        std::cerr << prompt << std::flush;
    }
    termios saved{};
    const bool hide = terminal && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (hide) {
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    const bool ok = static_cast<bool>(std::getline(std::cin, line));
    if (hide) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::cerr << '\n';
    }
    if (!ok) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

QString readPassword() {
    const bool terminal = isatty(STDIN_FILENO) != 0;
    const std::optional<std::string> first = readLine("Пароль: ", terminal);
    if (!first) {
        throw Error(QStringLiteral("Пароль не введен."));
    }
    if (terminal) {
        const std::optional<std::string> second = readLine("Повторите пароль: ", terminal);
        if (!second || *second != *first) {
            throw Error(QStringLiteral("Пароли не совпадают."));
        }
    }
    return QString::fromStdString(*first);
}

int run(QStringList args) {
    store::Settings settings = store::Settings::fromEnvironment();
    if (args.size() >= 2 && args[0] == QLatin1String("--database")) {
        settings = store::Settings::parse(args[1]);
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        return usage();
    }
    const QString command = args[0];
    const bool withLogin = command == "add" || command == "remove" || command == "passwd";
    if ((withLogin && args.size() != 2) || (command == "list" && args.size() != 1) ||
        (!withLogin && command != "list")) {
        return usage();
    }

    store::Store store(settings);
    if (command == "list") {
        for (const accounts::Account& account : accounts::list(store)) {
            std::cout << account.id << '\t' << account.login.toStdString() << '\n';
        }
    } else if (command == "add") {
        const int id = accounts::create(store, args[1], readPassword());
        std::cout << "Учетная запись " << args[1].trimmed().toStdString() << " создана (id " << id
                  << ").\n";
    } else if (command == "remove") {
        accounts::remove(store, args[1]);
        std::cout << "Учетная запись " << args[1].trimmed().toStdString() << " удалена.\n";
    } else {
        accounts::changePassword(store, args[1], readPassword());
        std::cout << "Пароль учетной записи " << args[1].trimmed().toStdString() << " изменен.\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        return run(QCoreApplication::arguments().mid(1));
    } catch (const Error& error) {
        std::cerr << "quillon-users: " << error.message().toStdString() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "quillon-users: " << error.what() << '\n';
    }
    return 1;
}
