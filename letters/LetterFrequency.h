#pragma once
// Letter frequency: how often each of the 32 Russian letters occurs in a text,
// upper and lower case together, Ё counted as Е, ordered by descending count.

#include <QByteArray>
#include <QLocale>
#include <QStringList>
#include <array>
#include <cstdint>

#include "letters/StatisticsView.h"

namespace quillon::letters {

struct FrequencyTable {
    // counts[i] is the count of letter order[i]; descending after sorting.
    std::array<std::int64_t, 32> counts{};
    std::array<int, 32> order{};
    // Percentages as 32-bit floats, indexed by letter position (not order).
    std::array<float, 32> percent{};
    std::int64_t total = 0;
};

// Counts bytes fed in chunks with a byte histogram, then folds it into the 32
// letter positions.
class LetterCounter {
  public:
    void add(const char* data, qsizetype size);
    // The counts, total, percentages and the sorted order of what was fed.
    FrequencyTable table() const;

  private:
    std::array<std::uint64_t, 256> bytes_{};
};

FrequencyTable letterFrequencies(const QByteArray& text);

// The statistics areas for a table: the message lines (title, source file,
// total) and the output lines (header and 32 rows).
AreaLines frequencyLines(const FrequencyTable& table, const QString& textPath,
                         const QLocale& locale = QLocale::system());

}  // namespace quillon::letters
