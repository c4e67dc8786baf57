#pragma once
// Replacements for the interactive parts of the forms, for headless tests:
// a message display that records instead of showing, and file dialogs that
// answer from a script and print to a PDF file. Header-only; used by the GUI
// tests of every module.

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <deque>

#include "app/ErrorDisplay.h"
#include "app/FileDialogs.h"

namespace quillon::testing {

class RecordingMessages : public MessageDisplay {
  public:
    RecordingMessages() { setMessageDisplay(this); }
    ~RecordingMessages() override { setMessageDisplay(nullptr); }

    void information(QWidget*, const QString& text) override { shown << text; }
    void critical(QWidget*, const QString& text) override { errors << text; }
    bool question(QWidget*, const QString& text) override {
        asked << text;
        return answer;
    }
    void clear() {
        shown.clear();
        errors.clear();
        asked.clear();
    }

    QStringList shown;   // information messages, in order
    QStringList errors;  // critical messages, in order
    QStringList asked;   // questions, in order
    bool answer = true;  // the answer to every question
};

// Each dialog takes the next answer of its queue; an empty queue or an empty
// answer means the user cancelled.
class ScriptedFileDialogs : public FileDialogs {
  public:
    QString openFile(QWidget*, const QString& filter) override {
        lastFilter = filter;
        return take(openAnswers);
    }
    QString saveFile(QWidget*, const QString& presetName) override {
        lastPreset = presetName;
        return take(saveAnswers);
    }
    // Prints to pdfPath; cancels when it is empty.
    bool setupPrinter(QWidget*, QPrinter& printer) override {
        if (pdfPath.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return true;
    }

    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    QString pdfPath;
    QString lastFilter;
    QString lastPreset;

  private:
    static QString take(std::deque<QString>& answers) {
        if (answers.empty()) {
            return {};
        }
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace quillon::testing
