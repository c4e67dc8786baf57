#include "PositionalFrequency.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "LetterTable.h"
#include "NumberFormat.h"
#include "SortDescending.h"
#include "store/Cp1251.h"

namespace quillon::letters {

namespace {

inline constexpr std::array<bool, 256> kWordEnd = [] {
    std::array<bool, 256> t{};
    for (unsigned char c : {' ', '\n', '-', '.', ',', ';', ':', '!', '?', '"'})
        t[c] = true;
    return t;
}();

}  // namespace

PositionalCounter::PositionalCounter(const LexavarApi& api) : api_(api) {
    std::memset(word_, ' ', kPositions);
    word_[kPositions] = '\0';
    for (auto& order : t_.order)
        std::iota(order.begin(), order.end(), 0);
}

void PositionalCounter::add(const char* data, qsizetype size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = p[i];
        const int l = kCountedLetterOfByte[b];
        if (l >= 0) {
            if (index_ < kPositions - 1) {
                ++index_;
                ++t_.counts[index_][l];
                word_[index_] = static_cast<char>(b);
            } else {
                overlong_ = true;
            }
        } else if (kWordEnd[b]) {
            endWord();
        }
    }
}

void PositionalCounter::endWord() {
    const int i = index_;
    if (i > t_.dictionaryIndex || i > t_.otherIndex) {
        word_[i + 1] = '\0';
        bool known = false;
        if (!overlong_) {
            if (!api_.NormolWord)
                throw Error(
                    QStringLiteral("Библиотека Lexavar не подключена: нет функции NormolWord"));
            known = api_.NormolWord(word_) != 0;
        }
        if (i > t_.dictionaryIndex && known) {
            t_.dictionaryIndex = i;
            t_.dictionaryWord.assign(word_, static_cast<size_t>(i + 1));
        } else if (i > t_.otherIndex && !known) {
            t_.otherIndex = i;
            t_.otherWord.assign(word_, static_cast<size_t>(i + 1));
        }
    }
    std::memset(word_, ' ', kPositions);
    word_[kPositions] = '\0';
    index_ = -1;
    overlong_ = false;
}

PositionalTable PositionalCounter::finish() {
    PositionalTable t = t_;
    for (int p = 0; p < kPositions; ++p) {
        t.totals[p] = std::accumulate(t.counts[p].begin(), t.counts[p].end(), std::int64_t(0));
        if (t.totals[p] != 0)
            for (int l = 0; l < kLetterCount; ++l)
                t.percent[p][l] = double(t.counts[p][l]) * 100.0 / double(t.totals[p]);
        SortDescending(t.counts[p].data(), t.order[p].data(), kLetterCount);
    }
    if (t.totals[0] == 0)
        throw NoLettersError();
    // Words of exactly L letters, times L, for L up to 29; words that fill
    // all 30 positions count among the words but add nothing to the sum.
    double sum = 0;
    for (int L = 1; L < kPositions; ++L)
        sum += double(L) * double(t.totals[L - 1] - t.totals[L]);
    t.averageLength = sum / double(t.totals[0]);
    return t;
}

PositionalTable positionalFrequencies(const QByteArray& text, const LexavarApi& api) {
    PositionalCounter counter(api);
    counter.add(text.constData(), text.size());
    return counter.finish();
}

AreaLines positionalLines(const PositionalTable& t, const QString& textPath,
                          const QLocale& locale) {
    AreaLines lines;
    lines.message << QStringLiteral("Частотные характеристики встречаемости букв по позициям")
                  << QStringLiteral("Файл исходных текстов: ") + textPath;
    QString letters[kLetterCount];
    for (int l = 0; l < kLetterCount; ++l) {
        const char c = static_cast<char>(displayByte(l));
        letters[l] = fromCp1251(std::string_view(&c, 1)) + QStringLiteral("         ");
    }
    lines.output.reserve(kPositions * 34);
    for (int p = 0; p < kPositions; ++p) {
        lines.output << QStringLiteral("Позиция №") + QString::number(p + 1)
                     << QStringLiteral("Буква       %");
        for (int i = 0; i < kLetterCount; ++i) {
            const int l = t.order[p][i];
            lines.output << letters[l] + formatGeneral(t.percent[p][l], locale);
        }
    }
    lines.message << QStringLiteral("Средняя длина слова в текстах: ") +
                         formatGeneral(t.averageLength, locale)
                  << QStringLiteral("Максимальная длина слова в текстах: ") +
                         QString::number(t.dictionaryIndex + 1)
                  << QStringLiteral("Максимальное слово в текстах: ") +
                         fromCp1251(t.dictionaryWord);
    if (t.dictionaryIndex <= t.otherIndex)
        lines.message << QStringLiteral("Максимальная длина 'слова' в текстах: ") +
                             QString::number(t.otherIndex + 1)
                      << QStringLiteral("Максимальное слово в текстах: ") + fromCp1251(t.otherWord);
    return lines;
}

}  // namespace quillon::letters
