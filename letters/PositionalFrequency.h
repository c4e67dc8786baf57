#pragma once
// Positional letter statistics: for each of the first 30 letter positions of
// a word, how often each letter stands there (as a percentage of the words
// that reach that position), the average word length, and the longest word
// the dictionary knows and the longest it does not.
//
// Words are runs of letters (Ё/ё count as Е but stay ё in the word) ended by
// blank, LF, "-", ".", ",", ";", ":", "!", "?" or the double quote. Any other
// byte (digits, tab, brackets, Latin letters, a lone CR) neither counts nor
// ends a word. Letters past the 30th of a word are counted at no position;
// the word still runs to its end. Such an overlong word is never looked up
// (its first 30 letters are not the word) and competes for the longest
// non-dictionary word with the 30 letters it holds.

#include <QByteArray>
#include <QLocale>
#include <QStringList>
#include <array>
#include <cstdint>
#include <string>

#include "app/LexavarApi.h"
#include "letters/StatisticsView.h"
#include "store/Error.h"

namespace quillon::letters {

inline constexpr int kPositions = 30;

// Thrown when the text holds no Russian letter, so that no average word length
// exists. Its message is the one the window shows.
class NoLettersError : public Error {
  public:
    NoLettersError() : Error(QStringLiteral("Ошибка")) {}
};

struct PositionalTable {
    // Per position: counts sorted descending, with order[p][i] the letter of
    // counts[p][i]; percent[p][l] by letter position l (64-bit).
    std::array<std::array<std::int64_t, 32>, kPositions> counts{};
    std::array<std::array<int, 32>, kPositions> order{};
    std::array<std::array<double, 32>, kPositions> percent{};
    std::array<std::int64_t, kPositions> totals{};  // words with at least p + 1 letters
    double averageLength = 0;
    // Longest words as length indexes (length - 1, starting at 0) and their
    // Windows-1251 bytes (30 blanks while none was found).
    int dictionaryIndex = 0;
    std::string dictionaryWord = std::string(kPositions, ' ');
    int otherIndex = 0;
    std::string otherWord = std::string(kPositions, ' ');
};

// Feeds text in chunks; asks the library's NormolWord whether a word is a
// dictionary word, and only when the answer can change a longest word.
class PositionalCounter {
  public:
    // api must outlive the counter; NormolWord must be bound and Start called.
    explicit PositionalCounter(const LexavarApi& api);
    void add(const char* data, qsizetype size);
    // Computes percentages, orders and the average. Throws NoLettersError when
    // no letter was fed. A word still open at the end counts in the position
    // tables only.
    PositionalTable finish();

  private:
    void endWord();

    const LexavarApi& api_;
    PositionalTable t_;
    char word_[kPositions + 1];
    int index_ = -1;         // position index of the last stored letter, -1: none yet
    bool overlong_ = false;  // the word has more letters than the buffer holds
};

PositionalTable positionalFrequencies(const QByteArray& text, const LexavarApi& api);

AreaLines positionalLines(const PositionalTable& table, const QString& textPath,
                          const QLocale& locale = QLocale::system());

}  // namespace quillon::letters
