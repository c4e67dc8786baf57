// Counting, sorting and formatting of the letter statistics, without files.
#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <string>

#include "FakeDictionary.h"
#include "letters/CombinationSearch.h"
#include "letters/LetterFrequency.h"
#include "letters/LetterTable.h"
#include "letters/NumberFormat.h"
#include "letters/PositionalFrequency.h"
#include "letters/SortDescending.h"
#include "letters/TextInput.h"
#include "store/Cp1251.h"

using namespace quillon;
using namespace quillon::letters;

namespace {

QByteArray cp(const char16_t* text) {
    return toCp1251(QString::fromUtf16(text));
}

// Letters of an order as one string of display letters.
template <class Order>
QString lettersOf(const Order& order) {
    QString s;
    for (int p : order) {
        const char c = static_cast<char>(displayByte(p));
        s += fromCp1251(std::string_view(&c, 1));
    }
    return s;
}

const QString kAlphabet = QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩъыьЭЮЯ");

}  // namespace

TEST(SortDescending, OrdersValuesAndCarriesCompanions) {
    int values[] = {1, 3, 2, 3};
    int companions[] = {10, 11, 12, 13};
    SortDescending(values, companions, 4);
    EXPECT_EQ(std::vector<int>(values, values + 4), (std::vector<int>{3, 3, 2, 1}));
    EXPECT_EQ(std::vector<int>(companions, companions + 4), (std::vector<int>{11, 13, 12, 10}));
}

TEST(NumberFormat, GeneralFormatWith15Digits) {
    const QLocale point = QLocale::c();
    const QLocale comma(QLocale::Russian, QLocale::Russia);
    struct Case {
        double value;
        bool single;  // formatted from a 32-bit float
        const char* expected;
    } cases[] = {
        {100, true, "100"},
        {62.5, true, "62.5"},
        {100.0 / 3, true, "33.3333320617676"},
        {100.0 / 3, false, "33.3333333333333"},
        {200.0 / 3, false, "66.6666666666667"},
        {0.1, true, "0.100000001490116"},
        {0, false, "0"},
        {4, false, "4"},
        {0.0001, false, "0.0001"},
        {0.00001, false, "0.00001"},
        {0.000001, false, "1E-6"},
        {123456789012345, false, "123456789012345"},
        {1e15, false, "1E+15"},
        {1234.5, false, "1234.5"},  // never a group separator
    };
    for (const Case& c : cases) {
        const QString p = c.single ? formatGeneral(static_cast<float>(c.value), point)
                                   : formatGeneral(c.value, point);
        const QString r = c.single ? formatGeneral(static_cast<float>(c.value), comma)
                                   : formatGeneral(c.value, comma);
        EXPECT_EQ(p, QString::fromLatin1(c.expected)) << c.expected;
        EXPECT_EQ(r, QString::fromLatin1(c.expected).replace('.', ',')) << c.expected;
    }
}

TEST(LetterFrequency, CountsAndOrder) {
    struct Case {
        const char16_t* text;
        const char16_t* order;  // display letters, descending count
        std::vector<std::int64_t> leadingCounts;
        std::int64_t total;
    } cases[] = {
        {u"", u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩъыьЭЮЯ", {0}, 0},
        {u"abc 123, .!?\r\n\t", u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩъыьЭЮЯ", {0}, 0},
        // The tie order of SortDescending, not the alphabet.
        {u"я", u"ЯАВГДБЖЗИЙКЛМНОПРСЕУФХЦЧШЩъыьЭЮТ", {1, 0}, 1},
        {u"аб", u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩъыьЭЮЯ", {1, 1, 0}, 2},
        // Ё and ё count as Е; both cases together.
        {u"Ёё еЕ", u"Е", {4, 0}, 4},
        {u"Ъъ", u"ъ", {2, 0}, 2},
    };
    for (const Case& c : cases) {
        const FrequencyTable t = letterFrequencies(cp(c.text));
        const QString expected = QString::fromUtf16(c.order);
        EXPECT_EQ(lettersOf(t.order).left(expected.size()), expected)
            << QString::fromUtf16(c.text).toStdString();
        for (size_t i = 0; i < c.leadingCounts.size(); ++i)
            EXPECT_EQ(t.counts[i], c.leadingCounts[i]);
        EXPECT_EQ(t.total, c.total);
    }
}

TEST(LetterFrequency, RowsShowLetterCountAndSinglePrecisionPercent) {
    const auto row = [](const QStringList& output, const QString& letter) {
        return output.filter(QRegularExpression("^" + letter + " ")).value(0);
    };
    const AreaLines lines =
        frequencyLines(letterFrequencies(cp(u"ааб ь")), QStringLiteral("/t/a.txt"), QLocale::c());
    EXPECT_EQ(lines.message,
              (QStringList{"Частотные характеристики встречаемости букв",
                           "Файл исходных текстов: /t/a.txt", "Всего использовалось букв: 4"}));
    ASSERT_EQ(lines.output.size(), 33);
    EXPECT_EQ(lines.output[0], "Буква  Кол-во       %");
    EXPECT_EQ(lines.output[1], "А         2       50");
    EXPECT_EQ(row(lines.output, "ь"), "ь         1       25");
    EXPECT_EQ(lines.output.last().right(9), "0       0");

    const FrequencyTable third = letterFrequencies(cp(u"абб"));
    EXPECT_EQ(row(frequencyLines(third, {}, QLocale::c()).output, "А"),
              "А         1       33.3333320617676");
    EXPECT_EQ(row(frequencyLines(third, {}, QLocale(QLocale::Russian)).output, "А"),
              "А         1       33,3333320617676");
}

TEST(TextInput, CrLfReadAsOneLineBreak) {
    EXPECT_EQ(toTextMode("a\r\nb\rc\r\r\n\r"), QByteArray("a\nb\rc\r\n\r"));

    // A pair split across the reader's chunks is still one line break.
    QTemporaryDir dir;
    const QString path = dir.filePath("t.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray((1 << 20) - 1, 'x') + "\r\n\r");
    f.close();
    QByteArray read;
    ASSERT_TRUE(readTextMode(path, [&](const char* d, qsizetype n) { read.append(d, n); }));
    EXPECT_EQ(read.size(), (1 << 20) + 1);
    EXPECT_EQ(read.right(2), QByteArray("\n\r"));

    EXPECT_FALSE(readTextMode(dir.filePath("missing.txt"), [](const char*, qsizetype) {}));
    EXPECT_FALSE(readTextMode(dir.path(), [](const char*, qsizetype) {}));
}

TEST(PositionalFrequency, MamaMylaRamu) {
    const LexavarApi api = test::fakeDictionary(
        {cp(u"мама").toStdString(), cp(u"мыла").toStdString(), cp(u"раму").toStdString()});
    const PositionalTable t = positionalFrequencies(cp(u"Мама мыла раму."), api);
    for (int p = 0; p < kPositions; ++p)
        EXPECT_EQ(t.totals[p], p < 4 ? 3 : 0) << p;
    EXPECT_EQ(lettersOf(t.order[0]), QStringLiteral("МРБВАЕЖЗДЙКЛИНОПГСТУФХЦЧШЩъыьЭЮЯ"));
    EXPECT_EQ(lettersOf(t.order[4]), kAlphabet);
    EXPECT_DOUBLE_EQ(t.averageLength, 4);
    EXPECT_EQ(t.dictionaryIndex, 3);
    EXPECT_EQ(fromCp1251(t.dictionaryWord), "Мама");

    const AreaLines lines = positionalLines(t, QStringLiteral("/t/m.txt"), QLocale::c());
    EXPECT_EQ(lines.message,
              (QStringList{"Частотные характеристики встречаемости букв по позициям",
                           "Файл исходных текстов: /t/m.txt", "Средняя длина слова в текстах: 4",
                           "Максимальная длина слова в текстах: 4",
                           "Максимальное слово в текстах: Мама"}));
    ASSERT_EQ(lines.output.size(), 30 * 34);
    EXPECT_EQ(lines.output.mid(0, 5),
              (QStringList{"Позиция №1", "Буква       %", "М         66.6666666666667",
                           "Р         33.3333333333333", "Б         0"}));
    EXPECT_EQ(lines.output[34 * 29], "Позиция №30");
    EXPECT_EQ(positionalLines(t, {}, QLocale(QLocale::Russian)).output[2],
              "М         66,6666666666667");
}

TEST(PositionalFrequency, WordsAndLongestWords) {
    struct Case {
        const char* name;
        const char16_t* text;
        std::vector<std::int64_t> totals;  // positions 1.. until the rest are 0
        int dictionaryIndex;
        const char16_t* dictionaryWord;  // nullptr: still the 30 blanks
        int otherIndex;
        const char16_t* otherWord;
    } cases[] = {
        {"hyphen splits", u"красно-белый ", {2, 2, 2, 2, 2, 1}, 0, nullptr, 5, u"красно"},
        {"tab, digit, bracket inside",
         u"ма\tм1а(ма) ",
         {1, 1, 1, 1, 1, 1},
         5,
         u"мамама",
         0,
         nullptr},
        {"tie keeps the earlier", u"мыла мама ", {2, 2, 2, 2}, 3, u"мыла", 0, nullptr},
        {"Ё counts as Е, stays ё", u"ёлка\n", {1, 1, 1, 1}, 0, nullptr, 3, u"ёлка"},
        {"one-letter words only", u"я и а.", {3}, 0, nullptr, 0, nullptr},
        {"open word at the end", u"мама", {1, 1, 1, 1}, 0, nullptr, 0, nullptr},
        {"lone CR does not end", u"ма\rма\r\n", {1, 1, 1, 1}, 3, u"мама", 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LexavarApi api = test::fakeDictionary(
            {cp(u"мама").toStdString(), cp(u"мыла").toStdString(), cp(u"мамама").toStdString()});
        const PositionalTable t = positionalFrequencies(cp(c.text), api);
        for (int p = 0; p < kPositions; ++p)
            EXPECT_EQ(t.totals[p], p < int(c.totals.size()) ? c.totals[p] : 0) << p;
        EXPECT_EQ(t.dictionaryIndex, c.dictionaryIndex);
        EXPECT_EQ(t.otherIndex, c.otherIndex);
        const std::string blanks(30, ' ');
        EXPECT_EQ(t.dictionaryWord, c.dictionaryWord ? cp(c.dictionaryWord).toStdString() : blanks);
        EXPECT_EQ(t.otherWord, c.otherWord ? cp(c.otherWord).toStdString() : blanks);
    }
}

TEST(PositionalFrequency, FigureLinesWhenNoLongDictionaryWord) {
    const LexavarApi api = test::fakeDictionary({});
    const PositionalTable t = positionalFrequencies(cp(u"Ёж и я\n"), api);
    EXPECT_DOUBLE_EQ(t.percent[0][5], 100.0 / 3);  // Ё at the first position counts as Е
    const QStringList m = positionalLines(t, {}, QLocale::c()).message;
    EXPECT_EQ(m.mid(2), (QStringList{"Средняя длина слова в текстах: 1.33333333333333",
                                     "Максимальная длина слова в текстах: 1",
                                     "Максимальное слово в текстах: " + QString(30, ' '),
                                     "Максимальная длина 'слова' в текстах: 2",
                                     "Максимальное слово в текстах: Ёж"}));
}

TEST(PositionalFrequency, LettersPastTheThirtiethCountNowhere) {
    const LexavarApi api = test::fakeDictionary({});
    const QByteArray longWord(35, static_cast<char>(0xE0));  // 35 × а
    const PositionalTable t = positionalFrequencies(longWord + " " + cp(u"бб "), api);
    EXPECT_EQ(t.totals[0], 2);
    EXPECT_EQ(t.totals[1], 2);
    EXPECT_EQ(t.totals[2], 1);
    EXPECT_EQ(t.totals[29], 1);
    EXPECT_EQ(t.counts[29][0], 1);
    // The overlong word is not looked up; it holds its first 30 letters.
    EXPECT_EQ(t.otherIndex, 29);
    EXPECT_EQ(t.otherWord, std::string(30, static_cast<char>(0xE0)));
    EXPECT_EQ(test::fakeLookups(), 1);  // бб only
}

TEST(PositionalFrequency, TextWithoutLettersHasNoAverage) {
    const LexavarApi api = test::fakeDictionary({});
    EXPECT_THROW(positionalFrequencies("123 abc, ...\r\n", api), NoLettersError);
    EXPECT_THROW(positionalFrequencies("", api), NoLettersError);
}

TEST(CombinationSearch, CountsNonOverlappingAcrossChunks) {
    struct Case {
        const char16_t* text;
        const char16_t* pattern;
        std::int64_t count;
    } cases[] = {
        {u"ОВ Ов оВ ов", u"ов", 4},  {u"ааб", u"аб", 0},  {u"ааа", u"а", 2},
        {u"ааааа", u"а", 3},         {u"абов", u"ов", 1},  // ends exactly at the end of the text
        {u"або", u"ов", 0},                                // would run past the end
        {u"аб\nв", u"", 4},                                // an empty string counts every byte
        {u"да, да, нет", u"а, ", 2}, {u"", u"а", 0},      {u"ъЪ ЯЯя", u"яя", 1},
    };
    for (const Case& c : cases) {
        const QByteArray text = cp(c.text);
        const std::string pattern = cp(c.pattern).toStdString();
        EXPECT_EQ(countCombination(text, pattern), c.count)
            << QString::fromUtf16(c.text).toStdString();
        CombinationCounter bytewise(pattern);
        for (char b : text)
            bytewise.add(&b, 1);
        EXPECT_EQ(bytewise.count(), c.count) << "byte by byte";
    }
}

TEST(CombinationSearch, AllowedCharacters) {
    for (const char16_t* ok : {u"ов", u"", u" ,.;:!?", u"АЯая"})
        EXPECT_TRUE(isSearchStringAllowed(QString::fromUtf16(ok)));
    for (const char16_t* bad : {u"ё", u"Ё", u"а-б", u"1", u"a", u"ов\t", u"中", u"\"", u"ў"})
        EXPECT_FALSE(isSearchStringAllowed(QString::fromUtf16(bad)));
}
