// The shipped dictionary (data/main.dic, end.mdl, types.chn) through Lexavar:
// real words give their normal forms with the type codes Quillon's rules rely
// on, and the files have the structure the analysis needs to reach every
// reading.
#include <lexavar.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kDir = QUILLON_DICTIONARY_DIR;

// UTF-8 source text to Windows-1251 (Russian letters, ё and ASCII only).
std::string cp(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        const unsigned u = ((c & 0x1F) << 6) | (static_cast<unsigned char>(s[++i]) & 0x3F);
        out += static_cast<char>(u == 0x401 ? 0xA8 : u == 0x451 ? 0xB8 : 0xC0 + (u - 0x410));
    }
    return out;
}

struct Reading {
    std::string normal;
    int type;
    bool operator<(const Reading& o) const {
        return std::tie(normal, type) < std::tie(o.normal, o.type);
    }
};

std::set<Reading> readings(const std::string& utf8) {
    std::set<Reading> out;
    const int n = NormolWord(cp(utf8).c_str());
    for (int i = 0; i < n; ++i)
        out.insert({GetMainForm(i), GetType(i)});
    return out;
}

std::vector<std::string> lines(const std::string& name) {
    std::ifstream in(kDir + "/" + name, std::ios::binary);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

class Dictionary : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        started = Start((kDir + "/main.dic").c_str(), (kDir + "/end.mdl").c_str(),
                        (kDir + "/types.chn").c_str());
    }
    void SetUp() override { ASSERT_EQ(started, 1) << "dictionary not loaded from " << kDir; }
    static int started;
};
int Dictionary::started = 0;

TEST_F(Dictionary, WordsGiveTheirNormalFormWithTheTypeCode) {
    struct Case {
        const char* word;
        const char* normal;
        int type;
    };
    const Case cases[] = {
        {"бежав", "бежав", 0},  // a gerund whose lexeme has no infinitive
        {"дома", "дом", 1},
        {"маме", "мама", 1},
        {"в", "в", 2},
        {"со", "со", 2},
        {"Маши", "маша", 3},
        {"Ивановича", "иванович", 4},  // patronymics are words of their own
        {"Пушкиной", "пушкин", 4},
        {"красивую", "красивый", 5},
        {"быстр", "быстрый", 5},
        {"красивее", "красивый", 5},
        {"наибольшему", "наибольший", 5},
        {"первого", "первый", 5},  // ordinals are not forms of «один»
        {"читали", "читать", 7},
        {"бегущий", "бежать", 7},
        {"прочитав", "прочитать", 7},
        {"шёл", "идти", 7},
        {"шел", "идти", 7},
        {"быстро", "быстро", 8},
        {"пятью", "пять", 9},
        {"можно", "можно", 10},
        {"и", "и", 17},
        {"не", "не", 18},
        {"ох", "ох", 19},
        {"меня", "я", 20},
        {"моему", "мой", 21},
        {"Москве", "москва", 23},
        {"ООН", "оон", 23},
        {"ёлки", "ёлка", 1},
        {"елки", "елка", 1},
        {"бытиё", "бытие", 1},
    };
    for (const Case& c : cases) {
        const auto got = readings(c.word);
        EXPECT_TRUE(got.count({cp(c.normal), c.type}))
            << c.word << " -> " << c.normal << " " << c.type;
    }
}

TEST_F(Dictionary, HomonymsGiveEveryLemma) {
    struct Case {
        const char* word;
        std::vector<Reading> expected;
    };
    const Case cases[] = {
        {"стали", {{"стать", 7}, {"сталь", 1}}},
        {"мыла", {{"мыть", 7}, {"мыло", 1}}},
        {"Пушкина", {{"пушкин", 4}, {"пушкин", 23}}},
    };
    for (const Case& c : cases) {
        const auto got = readings(c.word);
        for (const Reading& r : c.expected)
            EXPECT_TRUE(got.count({cp(r.normal), r.type})) << c.word << " -> " << r.normal;
    }
}

TEST_F(Dictionary, EqualEndingsYieldEveryReadingWithItsAttributes) {
    // «маме» is dative and locative singular; both must come out.
    const int n = NormolWord(cp("маме").c_str());
    std::set<int> cases;
    for (int i = 0; i < n; ++i) {
        if (GetMainForm(i) != cp("мама"))
            continue;
        EXPECT_EQ(GetRod(i), 2);     // feminine, from the lemma code
        EXPECT_EQ(GetOdush(i), 1);   // animate
        EXPECT_EQ(GetChislo(i), 1);  // singular
        cases.insert(GetPadezh(i));
    }
    EXPECT_EQ(cases, (std::set<int>{3, 6}));

    // «стали» as стать: past plural indicative, perfective intransitive.
    const int m = NormolWord(cp("стали").c_str());
    bool verb = false;
    for (int i = 0; i < m; ++i) {
        if (GetMainForm(i) != cp("стать") || GetType(i) != 7)
            continue;
        verb = true;
        EXPECT_EQ(GetVrem(i), 1);
        EXPECT_EQ(GetChislo(i), 2);
        EXPECT_EQ(GetGlag(i), 1);
        EXPECT_EQ(GetVid(i), 1);
    }
    EXPECT_TRUE(verb);
}

// The structure the analysis depends on: sorted stems, paradigm numbers in
// range, one normal-form item per paradigm, equal endings in one run, every
// code known, and lemma codes after form codes so their digits overlay.
TEST(DictionaryFiles, HaveTheStructureTheAnalysisNeeds) {
    const auto dic = lines("main.dic");
    const auto mdl = lines("end.mdl");
    const auto chn = lines("types.chn");
    ASSERT_FALSE(dic.empty());
    ASSERT_FALSE(mdl.empty());
    ASSERT_FALSE(chn.empty());

    std::map<std::string, std::size_t> codeLine;
    for (std::size_t i = 0; i < chn.size(); ++i) {
        const std::string code = chn[i].substr(0, chn[i].find(' '));
        ASSERT_EQ(code.size(), 2u) << "types.chn line " << i;
        ASSERT_TRUE(codeLine.emplace(code, i).second) << "duplicate code on line " << i;
        const std::string digits = chn[i].substr(chn[i].find('x') + 1);
        ASSERT_EQ(digits.size(), 15u) << "types.chn line " << i;
        ASSERT_EQ(digits.find_first_not_of("0123456789"), std::string::npos);
    }

    std::size_t lastFormCode = 0;
    for (std::size_t p = 0; p < mdl.size(); ++p) {
        std::vector<std::string> tokens;
        std::size_t start = 0;
        for (std::size_t i = 0; i < mdl[p].size(); ++i)
            if (mdl[p][i] == ' ') {
                tokens.push_back(mdl[p].substr(start, i - start));
                start = i + 1;
            }
        ASSERT_EQ(start, mdl[p].size()) << "end.mdl line " << p << " must end with a blank";
        ASSERT_EQ(tokens.size() % 3, 0u) << "end.mdl line " << p;
        int normals = 0;
        std::set<std::string> closed;  // endings whose run has ended
        for (std::size_t i = 0; i < tokens.size(); i += 3) {
            const std::string& ending = tokens[i];
            if (i > 0 && tokens[i - 3] != ending)
                closed.insert(tokens[i - 3]);
            EXPECT_FALSE(closed.count(ending)) << "end.mdl line " << p << ": ending out of its run";
            const auto code = codeLine.find(tokens[i + 1]);
            ASSERT_NE(code, codeLine.end()) << "end.mdl line " << p << ": unknown form code";
            lastFormCode = std::max(lastFormCode, code->second);
            if (tokens[i + 2] == "0")
                ++normals;
        }
        EXPECT_EQ(normals, 1) << "end.mdl line " << p;
    }

    for (std::size_t k = 0; k < dic.size(); ++k) {
        const std::string& l = dic[k];
        const std::size_t a = l.find(' '), b = l.find(' ', a + 1);
        ASSERT_NE(b, std::string::npos) << "main.dic line " << k;
        ASSERT_EQ(l.find('q'), std::string::npos) << "main.dic line " << k;
        if (k > 0) {
            const std::string& prev = dic[k - 1];
            ASSERT_LE(prev.substr(0, prev.find(' ')), l.substr(0, a)) << "main.dic line " << k;
        }
        EXPECT_LT(std::stoul(l.substr(a + 1, b - a - 1)), mdl.size()) << "main.dic line " << k;
        const auto code = codeLine.find(l.substr(b + 1));
        ASSERT_NE(code, codeLine.end()) << "main.dic line " << k << ": unknown lemma code";
        EXPECT_GT(code->second, lastFormCode) << "main.dic line " << k;
    }
}

}  // namespace
