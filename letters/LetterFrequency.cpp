#include "LetterFrequency.h"

#include <algorithm>
#include <numeric>

#include "LetterTable.h"
#include "NumberFormat.h"
#include "SortDescending.h"
#include "store/Cp1251.h"

namespace quillon::letters {

void LetterCounter::add(const char* data, qsizetype size) {
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    // Four interleaved histograms keep successive increments of the same byte
    // from waiting on each other; 32-bit cells are flushed every block.
    constexpr qsizetype kBlock = qsizetype(1) << 30;
    while (size > 0) {
        const qsizetype n = std::min(size, kBlock);
        std::array<std::array<std::uint32_t, 256>, 4> h{};
        qsizetype i = 0;
        for (; i + 4 <= n; i += 4) {
            ++h[0][p[i]];
            ++h[1][p[i + 1]];
            ++h[2][p[i + 2]];
            ++h[3][p[i + 3]];
        }
        for (; i < n; ++i)
            ++h[0][p[i]];
        for (int b = 0; b < 256; ++b)
            bytes_[b] += std::uint64_t(h[0][b]) + h[1][b] + h[2][b] + h[3][b];
        p += n;
        size -= n;
    }
}

FrequencyTable LetterCounter::table() const {
    FrequencyTable t;
    for (int b = 0; b < 256; ++b) {
        const int l = kCountedLetterOfByte[b];
        if (l >= 0)
            t.counts[l] += static_cast<std::int64_t>(bytes_[b]);
    }
    std::iota(t.order.begin(), t.order.end(), 0);
    t.total = std::accumulate(t.counts.begin(), t.counts.end(), std::int64_t(0));
    for (int l = 0; l < kLetterCount; ++l)
        t.percent[l] =
            t.total != 0 ? static_cast<float>(double(t.counts[l]) * 100.0 / double(t.total)) : 0.0f;
    SortDescending(t.counts.data(), t.order.data(), kLetterCount);
    return t;
}

FrequencyTable letterFrequencies(const QByteArray& text) {
    LetterCounter counter;
    counter.add(text.constData(), text.size());
    return counter.table();
}

AreaLines frequencyLines(const FrequencyTable& t, const QString& textPath, const QLocale& locale) {
    AreaLines lines;
    lines.message << QStringLiteral("Частотные характеристики встречаемости букв")
                  << QStringLiteral("Файл исходных текстов: ") + textPath
                  << QStringLiteral("Всего использовалось букв: ") + QString::number(t.total);
    lines.output << QStringLiteral("Буква  Кол-во       %");
    for (int i = 0; i < kLetterCount; ++i) {
        const int p = t.order[i];
        const char letter = static_cast<char>(displayByte(p));
        lines.output << fromCp1251(std::string_view(&letter, 1)) + QStringLiteral("         ") +
                            QString::number(t.counts[i]) + QStringLiteral("       ") +
                            formatGeneral(t.percent[p], locale);
    }
    return lines;
}

}  // namespace quillon::letters
