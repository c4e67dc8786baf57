#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Cp1251.h"
#include "Segmenter.h"
#include "lexavar.h"

using lexavar::test::Cp;
using lexavar::test::Utf;

namespace {

// Units of the current text as "text/type" (UTF-8), and spans as
// "first+count".
std::vector<std::string> Units(int n) {
    std::vector<std::string> out;
    for (int u = 0; u < n; ++u)
        out.push_back(Utf(GetWord(u)));
    return out;
}

std::vector<std::string> Spans() {
    std::vector<std::string> out;
    for (int s = 0; s < GetColSents(); ++s) {
        int first = -1;
        const int count = GetSent(s, &first);
        out.push_back(std::to_string(first) + "+" + std::to_string(count));
    }
    return out;
}

TEST(Segmenter, SentencesUnitsAndSentenceTexts) {
    const int n = GrafAnalys(Cp("Мама мыла раму. Папа читал.\n").c_str());
    EXPECT_EQ(Units(n), (std::vector<std::string>{"Мама", " ", "мыла", " ", "раму", ".", " ",
                                                  "Папа", " ", "читал", ".", "  "}));
    EXPECT_EQ(Spans(), (std::vector<std::string>{"0+6", "6+5"}));
    EXPECT_EQ(Utf(GetSentText(0)), "Мама мыла раму. ");
    EXPECT_EQ(Utf(GetSentText(1)), " Папа читал.  ");
    EXPECT_EQ(GetBig(0), 1);
    EXPECT_EQ(GetBig(2), 0);
}

// The last word of a text is one unit; the added space behind it is the final,
// uncounted unit.
TEST(Segmenter, LastWordOfTheTextStaysWhole) {
    struct Case {
        const char* text;
        std::vector<std::string> units;
        std::vector<std::string> spans;
    };
    const std::vector<Case> cases = {
        {"мама", {"мама", " "}, {"0+1"}},
        {"я", {"я", " "}, {"0+1"}},
        {"Да.", {"Да", ".", " "}, {"0+2"}},
        {"Да. Я", {"Да", ".", " ", "Я", " "}, {"0+2", "2+2"}},
        {"Да. Нет", {"Да", ".", " ", "Нет", " "}, {"0+2", "2+2"}},
        // Texts ending in blanks keep their units and counts.
        {"мама\n", {"мама", "  "}, {"0+1"}},
        {"мама\r\n", {"мама", " ", "  "}, {"0+2"}},
        {"Да.\r\n", {"Да", ".", " ", "  "}, {"0+3"}},
        {" мама", {"", " ", "мама", " "}, {"0+3"}},
        {" ", {"", "  "}, {"0+1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const int n = GrafAnalys(Cp(c.text).c_str());
        EXPECT_EQ(Units(n), c.units);
        EXPECT_EQ(Spans(), c.spans);
    }
}

TEST(Segmenter, UnitTypes) {
    struct Case {
        const char* word;
        int type;
    };
    const std::vector<Case> cases = {
        {"Москва", 14}, {"МОСКВА", 9}, {"Он", 11},   {"мама", 2}, {"кто-то", 2},
        {"3-й", 13},    {"2008", 6},   {"Я", 9},     {"moon", 4}, {"NASA", 11},
        {"Moon", 15},   {"Ok", 13},    {"мAма", 13}, {"((", 7},   {"?!", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        const std::string word = Cp(c.word);
        lexavar::Segmenter segmenter(word);
        segmenter.Segment();
        // Punctuation at the start of a text follows an empty unit.
        const auto& units = segmenter.units();
        ASSERT_GE(units.size(), 2u);
        EXPECT_EQ(units[units.size() - 2].View(), word);
        EXPECT_EQ(units[units.size() - 2].type, c.type);
        EXPECT_EQ(units.back().type, lexavar::kUnitBlanks);
    }
    // The marked token and the unit before it.
    lexavar::Segmenter segmenter(Cp("т.е."));
    segmenter.Segment();
    ASSERT_GE(segmenter.units().size(), 2u);
    EXPECT_EQ(segmenter.units()[0].type, 13);
    EXPECT_EQ(segmenter.units()[1].type, 13);
}

TEST(Segmenter, AbbreviationsMarksAndLineEnds) {
    int n = GrafAnalys(Cp("Он живёт в г. москве. Всё").c_str());
    EXPECT_EQ(Units(n), (std::vector<std::string>{"Он", " ", "живет", " ", "в", " ", "г", ".", " ",
                                                  "москве", ".", " ", "Все", " "}));
    EXPECT_EQ(Spans(), (std::vector<std::string>{"0+11", "11+2"}));

    n = GrafAnalys(Cp("это т.е. так").c_str());
    EXPECT_EQ(Units(n), (std::vector<std::string>{"это", " ", "т", ".е", ".", " ", "так", " "}));
    EXPECT_EQ(GetColSents(), 1);

    // A full stop before a closing quote is no sentence end.
    GrafAnalys(Cp("Он сказал \"Да.\" Потом ушёл").c_str());
    EXPECT_EQ(GetColSents(), 1);

    // Line ends between sentences are blanks the look-ahead skips.
    GrafAnalys(Cp("Конец.\r\nНачало").c_str());
    EXPECT_EQ(GetColSents(), 2);

    GrafAnalys(Cp("а\tб\r\nв").c_str());
    EXPECT_EQ(Utf(GetSentText(0)), "а б  в ");
}

TEST(Segmenter, OutOfRangeAndMissingFiles) {
    GrafAnalys(Cp("Да. Нет").c_str());
    int first = 7;
    EXPECT_EQ(GetSent(2, &first), 0);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(GetSent(-1, nullptr), 0);
    EXPECT_STREQ(GetSentText(5), "");
    EXPECT_STREQ(GetWord(-1), "");
    EXPECT_STREQ(GetWord(100), "");
    EXPECT_EQ(GetBig(100), 0);

    EXPECT_EQ(GrafAnalysFile("/nonexistent/text.txt"), 0);
    EXPECT_EQ(GetColSents(), 0);
    EXPECT_EQ(GrafAnalysFile(nullptr), 0);
    EXPECT_EQ(GrafAnalys(""), 0);
    EXPECT_EQ(GrafAnalys(nullptr), 0);
    EXPECT_STREQ(GetWord(0), "");
}

}  // namespace
