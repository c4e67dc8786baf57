// Random texts, words and dictionary files: nothing crashes, reads out of
// bounds (the sanitizer build checks that) or hangs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "Cp1251.h"
#include "MorphEngine.h"
#include "lexavar.h"

namespace {

std::string RandomBytes(std::mt19937& rng, std::size_t n, const std::string& alphabet = {}) {
    std::string s(n, '\0');
    for (char& c : s)
        c = alphabet.empty() ? static_cast<char>(rng() & 0xFF) : alphabet[rng() % alphabet.size()];
    return s;
}

const std::string kTextAlphabet =
    lexavar::test::Cp("абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВЕЁЯ") + " .!?,-:;()[]\"\t\r\n0123ab";

TEST(Robustness, SegmentsRandomTexts) {
    std::mt19937 rng(1);
    for (int round = 0; round < 300; ++round) {
        const std::string text = RandomBytes(rng, rng() % 300, round % 2 ? kTextAlphabet : "");
        lexavar::Segmenter s(text);
        s.Segment();
        // Units tile the buffer: each starts where the last one ended.
        const char* at = s.buffer();
        for (const lexavar::TextUnit& u : s.units()) {
            ASSERT_EQ(u.Text(), at);
            at += u.length;
        }
        if (!text.empty()) {
            ASSERT_EQ(at, s.buffer() + s.length() + 1);
        }
        for (const lexavar::SentenceSpan& span : s.spans())
            ASSERT_LE(static_cast<std::size_t>(span.firstUnit + span.unitCount), s.units().size());
        const std::string c(text.c_str());
        const int n = GrafAnalys(c.c_str());
        for (int k = -1; k <= GetColSents(); ++k)
            GetSentText(k);
        for (int u = -1; u <= n; ++u)
            GetWord(u);
    }
}

// A long run of full stops and blanks: the look-ahead must not rescan it for
// every stop.
TEST(Robustness, LongRunsOfStops) {
    std::string text;
    for (int k = 0; k < 200000; ++k)
        text += ". ";
    text += lexavar::test::Cp("Да");
    EXPECT_EQ(GrafAnalys(text.c_str()), 400003);
    EXPECT_EQ(GetColSents(), 200001);  // every stop before a capital ends a sentence
}

TEST(Robustness, AnalysesRandomWordsAndLoadsRandomFiles) {
    std::mt19937 rng(2);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "lexavar-random";
    std::filesystem::create_directories(dir);
    const std::string dic = (dir / "main.dic").string(), mdl = (dir / "end.mdl").string(),
                      chn = (dir / "types.chn").string();
    const std::string lineAlphabet = lexavar::test::Cp("абвм ") + " 0123-x\r\n";
    for (int round = 0; round < 40; ++round) {
        for (const std::string& path : {dic, mdl, chn}) {
            std::ofstream out(path, std::ios::binary);
            out << RandomBytes(rng, rng() % 2000, round % 2 ? lineAlphabet : "");
        }
        lexavar::ProcessTypes().Clear();
        EXPECT_EQ(Start(dic.c_str(), mdl.c_str(), chn.c_str()), 1);
        for (int w = 0; w < 200; ++w) {
            std::string word =
                RandomBytes(rng, rng() % (w % 10 ? 8 : 260), lexavar::test::Cp("абвм") + " ");
            const int n = NormolWord(word.c_str());
            for (int v = -1; v <= n; ++v) {
                const char* form = GetMainForm(v);
                ASSERT_LT(std::string(form).size(), std::size_t{LEXAVAR_FIELD_SIZE});
                GetID(v);
                GetByNom(v, v);
            }
            EXPECT_EQ(GetVecLen(), n);
            DivWord(word.c_str());
        }
    }
    std::filesystem::remove_all(dir);
}

TEST(Robustness, LongWordsGetNoVariant) {
    lexavar::ProcessTypes().Clear();
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "lexavar-long";
    std::filesystem::create_directories(dir);
    const std::string a = lexavar::test::Cp("а");
    const std::string stem(198, a[0]);
    {
        std::ofstream(dir / "main.dic", std::ios::binary) << " 0 aa\n" << stem << " 0 aa\n";
        // Paradigm 0: the normal-form ending is long, so a word of 199
        // bytes would get a normal form past the field.
        std::ofstream(dir / "end.mdl", std::ios::binary)
            << a << " aa 1 " << a << a << " aa 1 " << std::string(5, a[0]) << " aa 0 \n";
        std::ofstream(dir / "types.chn", std::ios::binary) << "aa x010000000000000\n";
    }
    ASSERT_EQ(Start((dir / "main.dic").string().c_str(), (dir / "end.mdl").string().c_str(),
                    (dir / "types.chn").string().c_str()),
              1);
    EXPECT_EQ(NormolWord(std::string(199, a[0]).c_str()), 0);
    EXPECT_EQ(NormolWord(std::string(250, a[0]).c_str()), 0);
    EXPECT_EQ(NormolWord(std::string(100000, a[0]).c_str()), 0);
    EXPECT_EQ(NormolWord(a.c_str()), 1);  // the empty stem
    EXPECT_EQ(std::string(GetMainForm(0)), std::string(5, a[0]));
    std::filesystem::remove_all(dir);
}

}  // namespace
