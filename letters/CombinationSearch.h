#pragma once
// Letter-combination search: how often a string of Russian letters (with
// blanks and some punctuation) occurs in a text, either case of each letter
// matching. Occurrences never overlap, and the byte that ends an attempt
// (the one that failed, or the one right after a found combination) never
// starts the next attempt: а in ааа is found twice, аб in ааб not at all.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillon::letters {

// True when every character is one of А..я (Ё/ё excluded) or one of the
// seven characters blank , . ; : ! ? — the only ones a search may hold.
bool isSearchStringAllowed(const QString& text);

// Counts one combination over text fed in chunks (text-mode bytes; CR LF
// already folded). An empty combination counts every byte.
class CombinationCounter {
  public:
    // pattern: Windows-1251 bytes of an allowed search string.
    explicit CombinationCounter(std::string_view pattern);
    void add(const char* data, qsizetype size);
    std::int64_t count() const { return count_; }

  private:
    std::string pattern_;  // the string as given
    std::string partner_;  // the other case of each letter, other bytes unchanged
    std::size_t matched_ = 0;
    bool skipNext_ = false;
    std::int64_t count_ = 0;
};

std::int64_t countCombination(const QByteArray& text, std::string_view pattern);

}  // namespace quillon::letters
