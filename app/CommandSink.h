#pragma once
// What a long command reports while it runs: the status line, the progress bar
// and the analysis log. The main window implements it with its widgets (and
// repaints them as they change), quillon-batch with the terminal, tests with a
// recorder. Cores hold a reference for the duration of one command only.

#include <QString>

namespace quillon {

class CommandSink {
public:
    virtual ~CommandSink() = default;

    // Replaces the whole status line text.
    virtual void status(const QString& text) = 0;
    // Sets the progress bar's maximum and empties it (position 0).
    virtual void progressReset(int maximum) = 0;
    // Advances the progress bar by one step.
    virtual void progressStep() = 0;
    // Appends one line to the analysis log.
    virtual void log(const QString& line) = 0;
};

// A sink that drops everything (for commands run where nobody watches).
class NullSink : public CommandSink {
public:
    void status(const QString&) override {}
    void progressReset(int) override {}
    void progressStep() override {}
    void log(const QString&) override {}
};

// The progress rule every loop over n items follows: for n up to 100 the bar's
// maximum is n and it advances once per item; otherwise the maximum is 100,
// the step width is n / 100, and before item i the bar advances once when
// i / width exceeds the number of advances made so far.
class ProgressRule {
public:
    // Resets the sink's bar for a loop of n items.
    ProgressRule(CommandSink& sink, int n) : sink_(sink), n_(n < 0 ? 0 : n) {
        width_ = n_ > 100 ? n_ / 100 : 1;
        sink_.progressReset(n_ > 100 ? 100 : n_);
    }
    // Call before handling item i (0-based, in increasing order).
    void advance(int i) {
        if (n_ <= 100 || i / width_ > advances_) {
            ++advances_;
            sink_.progressStep();
        }
    }
    int advances() const { return advances_; }

private:
    CommandSink& sink_;
    int n_;
    int width_ = 1;
    int advances_ = 0;
};

}  // namespace quillon
