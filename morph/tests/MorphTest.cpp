#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Cp1251.h"
#include "MorphEngine.h"
#include "lexavar.h"

using lexavar::test::Cp;
using lexavar::test::Utf;

namespace {

const std::string kFixtures = LEXAVAR_FIXTURES;
const std::string kDic = kFixtures + "/main.dic";
const std::string kMdl = kFixtures + "/end.mdl";
const std::string kChn = kFixtures + "/types.chn";

// A fresh process-wide state: the types table is read again by the next Start.
int StartFixture(const std::string& types = kChn) {
    lexavar::ProcessTypes().Clear();
    return Start(kDic.c_str(), kMdl.c_str(), types.c_str());
}

// Every variant of the list as "normal form/form code/lemma code/entry/type
// rod chislo padezh".
std::vector<std::string> Variants() {
    std::vector<std::string> out;
    const int n = GetVecLen();
    for (int v = 0; v < n; ++v) {
        const LexavarMorphVariant* m = GetMorf(v);
        out.push_back(Utf(GetMainForm(v)) + "/" + Utf(m->formCode) + "/" + Utf(m->lemmaCode) + "/" +
                      std::to_string(GetID(v)) + "/" + std::to_string(GetType(v)) + " " +
                      std::to_string(GetRod(v)) + std::to_string(GetChislo(v)) +
                      std::to_string(GetPadezh(v)));
    }
    return out;
}

std::vector<std::string> Analyse(const char* word) {
    NormolWord(Cp(word).c_str());
    return Variants();
}

using V = std::vector<std::string>;

TEST(Morph, StartResults) {
    EXPECT_EQ(StartFixture(), 1);
    EXPECT_EQ(Start("/nonexistent/main.dic", kMdl.c_str(), kChn.c_str()), 0);
    EXPECT_EQ(Start(kDic.c_str(), "/nonexistent/end.mdl", kChn.c_str()), 0);
    EXPECT_EQ(Start(nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(StartFixture("/nonexistent/types.chn"), 1);
}

// A new engine starts with an empty variant list, and the copy GetMorf reads
// follows it even when the new engine takes the old one's place in memory.
TEST(Morph, StartEmptiesTheVariantsAndTheirCopy) {
    for (int round = 0; round < 5; ++round) {
        ASSERT_EQ(StartFixture(), 1);
        EXPECT_EQ(GetVecLen(), 0);
        EXPECT_EQ(GetMorf(0), nullptr);
        NormolWord(Cp("мамы").c_str());
        EXPECT_EQ(GetVecLen(), 3);
    }
}

TEST(Morph, VariantsInWalkLineAndItemOrder) {
    ASSERT_EQ(StartFixture(), 1);
    struct Case {
        const char* word;
        V variants;
    };
    const std::vector<Case> cases = {
        // The lemma code "жр" stands after the form codes: its digit lays
        // gender 2 over them. "лл" stands before them: no effect.
        {"мама", {"мама/аа/жр/6/1 211"}},
        {"Мама", {"мама/аа/жр/6/1 211"}},
        {"МАМА", {"мама/аа/жр/6/1 211"}},
        // Items 1 and 2 share the ending "ы" and give two variants; item 5
        // has it too but stands apart. The second line with the same stem
        // follows; its paradigm has no normal form, so the stem stands alone.
        {"мамы", {"мама/аб/жр/6/1 212", "мама/ав/жр/6/1 221", "мам/аа/лл/7/1 011"}},
        {"рамы", {"рама/аб/лл/8/1 012", "рама/ав/лл/8/1 021"}},
        // The empty stem tries its endings against the whole word.
        {"ы", {"а/аб/аа/0/1 012", "а/ав/аа/0/1 021"}},
        // An empty ending matches at the end of the word.
        {"кот", {"кот/аа/аа/4/1 011"}},
        {"кота", {"кот/аб/аа/4/1 012"}},
        {"читал", {"читать/гг/гг/10/20 000"}},
        {"ёлка", {"ёлка/аа/аа/1/1 011"}},
        {"елка", {}},
        // Latin small letters stop the analysis; capital ones do not, and find
        // nothing in a Cyrillic dictionary.
        {"мaма", {}},
        {"МAМА", {}},
        // An empty paradigm line, a paradigm number past the table, a
        // malformed paradigm line and a malformed dictionary line.
        {"дома", {}},
        {"дыма", {}},
        {"леса", {}},
        {"сада", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(Analyse(c.word), c.variants);
    }
    // Every variant of one analysis knows how many it made, and its number.
    NormolWord(Cp("мамы").c_str());
    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(GetMorf(v)->variantCount, 3);
        EXPECT_EQ(GetMorf(v)->number, v);
        EXPECT_EQ(GetMorf(v)->analysed, 1);
        EXPECT_EQ(Utf(GetMorf(v)->text), "мамы");
        EXPECT_EQ(Utf(GetMorf(v)->stem), "мам");
    }
    EXPECT_EQ(GetProch2(0), 0);
    NormolWord(Cp("читал").c_str());
    EXPECT_EQ(GetProch2(0), 1);
    EXPECT_EQ(GetByNom(0, 14), 1);
}

TEST(Morph, MissingTypesGiveZeroSlots) {
    ASSERT_EQ(StartFixture("/nonexistent/types.chn"), 1);
    EXPECT_EQ(Analyse("мама"), V{"мама/аа/жр/6/0 000"});
    // A later Start reads the file it could not read before.
    ASSERT_EQ(Start(kDic.c_str(), kMdl.c_str(), kChn.c_str()), 1);
    EXPECT_EQ(Analyse("мама"), V{"мама/аа/жр/6/1 211"});
}

TEST(Morph, TypesAreReadOnce) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "lexavar-types";
    std::filesystem::create_directories(dir);
    const std::string types = (dir / "types.chn").string();
    std::filesystem::copy_file(kChn, types, std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(StartFixture(types), 1);
    std::ofstream(types) << Cp("аа x990000000000000\n");
    ASSERT_EQ(Start(kDic.c_str(), kMdl.c_str(), types.c_str()), 1);
    EXPECT_EQ(Analyse("мама"), V{"мама/аа/жр/6/1 211"});
    std::filesystem::remove_all(dir);
}

TEST(Morph, UnitAnalysisFlagsAndVariantReaders) {
    ASSERT_EQ(StartFixture(), 1);
    const int n = GrafAnalys(Cp("Мамы, кот.").c_str());
    ASSERT_EQ(n, 6);  // Мамы , " " кот . " "
    const int k = NormolWordByNom(0, 1);
    EXPECT_EQ(k, 3);
    EXPECT_EQ(NormolWordByNom(0, 0), 2 * k);
    for (int v = 0; v < k; ++v) {
        EXPECT_EQ(std::string(GetMainForm(v)), std::string(GetMainForm(v + k)));
        EXPECT_EQ(GetID(v), GetID(v + k));
    }
    // Punctuation with flag 2 passes through; with flag 1 it is a word.
    EXPECT_EQ(NormolWordByNom(1, 3), 1);
    EXPECT_STREQ(GetMainForm(0), ",");
    EXPECT_EQ(GetID(0), -1);
    EXPECT_EQ(GetMorf(0)->unitType, 7);
    EXPECT_EQ(GetMorf(0)->number, 1);
    EXPECT_EQ(GetMorf(0)->variantCount, 0);
    EXPECT_EQ(GetMorf(0)->unitIndex, 1);
    EXPECT_EQ(NormolWordByNom(1, 1), 0);
    EXPECT_EQ(NormolWordByNom(3, 1), 1);
    EXPECT_EQ(GetMorf(0)->unitIndex, 3);

    // The result record: one address, overwritten by each call.
    NormolWord(Cp("мамы").c_str());
    const char* first = GetMainForm(0);
    const std::string firstText = first;
    const char* third = GetMainForm(2);
    EXPECT_EQ(first, third);
    EXPECT_NE(firstText, std::string(third));

    // Out of range.
    EXPECT_STREQ(GetMainForm(3), "Error");
    EXPECT_STREQ(GetMainForm(-1), "Error");
    EXPECT_EQ(GetID(3), -1);
    EXPECT_EQ(GetType(3), 0);
    EXPECT_EQ(GetByNom(0, 1), GetType(0));
    EXPECT_EQ(GetByNom(0, 15), 15);
    EXPECT_EQ(GetByNom(0, 0), 0);
    EXPECT_EQ(GetMorf(3), nullptr);
    EXPECT_EQ(GetMorf(-1), nullptr);
    EXPECT_EQ(NormolWordByNom(99, 1), 0);
    EXPECT_EQ(NormolWordByNom(-1, 0), 0);

    // DivWord: the stem of the first variant, "" without a variant.
    EXPECT_EQ(Utf(DivWord(Cp("кота").c_str())), "кот");
    EXPECT_STREQ(DivWord(Cp("дома").c_str()), "");
    EXPECT_STREQ(DivWord(nullptr), "");
    EXPECT_EQ(NormolWord(nullptr), 0);
}

// A dictionary whose lines are not sorted analyses as the sorted one does.
TEST(Morph, UnsortedDictionaryAnalysesTheSame) {
    std::vector<std::string> lines;
    ASSERT_TRUE(lexavar::ReadLines(kDic.c_str(), lines));
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "lexavar-unsorted";
    std::filesystem::create_directories(dir);
    const std::string dic = (dir / "main.dic").string();
    {
        std::ofstream out(dic, std::ios::binary);
        for (auto it = lines.rbegin(); it != lines.rend(); ++it)
            out << *it << "\r\n";
    }
    ASSERT_EQ(StartFixture(), 1);
    std::vector<V> sorted;
    for (const char* w : {"мамы", "ы", "кот", "читал", "рамы"})
        sorted.push_back(Analyse(w));
    ASSERT_EQ(Start(dic.c_str(), kMdl.c_str(), kChn.c_str()), 1);
    const int last = static_cast<int>(lines.size()) - 1;
    std::size_t k = 0;
    for (const char* w : {"мамы", "ы", "кот", "читал", "рамы"}) {
        V expected = sorted[k++];
        // Entry numbers are the lines of the reversed file.
        for (std::string& s : expected) {
            auto a = s.find('/', s.find('/', s.find('/') + 1) + 1);
            auto b = s.find('/', a + 1);
            const int id = std::stoi(s.substr(a + 1, b - a - 1));
            s = s.substr(0, a + 1) + std::to_string(last - id) + s.substr(b);
        }
        // Lines with equal stems come in the reversed line order.
        V got = Analyse(w);
        if (std::string(w) == "мамы")
            std::rotate(got.begin(), got.begin() + 1, got.end());
        EXPECT_EQ(got, expected) << w;
    }
    std::filesystem::remove_all(dir);
}

TEST(Morph, LineReaders) {
    using lexavar::ParseDictLine;
    using lexavar::ParseParadigmLine;
    using lexavar::ParseTypeLine;
    EXPECT_TRUE(ParseDictLine(Cp("мам 12 аа")).wellFormed);
    EXPECT_EQ(ParseDictLine(Cp("мам 12 аа")).paradigm, 12);
    EXPECT_EQ(ParseDictLine(Cp(" 7 аа")).stem, "");
    EXPECT_EQ(ParseDictLine(Cp("мам x аа")).paradigm, 0);
    EXPECT_EQ(std::string(ParseDictLine(Cp("мам 1 абвг лишнее")).lemmaCode), Cp("аб"));
    for (const char* bad : {"", "мам", "мам 12"})
        EXPECT_FALSE(ParseDictLine(Cp(bad)).wellFormed);

    EXPECT_EQ(ParseParadigmLine(Cp("а аа 0 ы аб 1 е ав 1 ")).items.size(), 3u);
    EXPECT_EQ(ParseParadigmLine(Cp("а аа 0 ы аб 1")).items.size(), 2u);
    EXPECT_EQ(ParseParadigmLine(Cp(" аа 0 ")).items.at(0).ending, "");
    EXPECT_EQ(ParseParadigmLine(Cp("ы аа 1 а аб 0 е ав 0 ")).normalEnding, Cp("е"));
    for (const char* bad : {"а аа", "а аа 0 ы", "а аа 0 ы аб "})
        EXPECT_TRUE(ParseParadigmLine(Cp(bad)).items.empty()) << bad;

    EXPECT_EQ(ParseTypeLine(Cp("аа сущ x010110000000000")).key, lexavar::MakeCodeKey(Cp("аа")));
    for (const char* bad : {"аа", "ааа сущ x01", "аа x01011000000000000000"})
        EXPECT_EQ(ParseTypeLine(Cp(bad)).key, lexavar::kNoCode) << bad;
}

TEST(Morph, OverlayFollowsTableOrder) {
    lexavar::TypesTable types;
    auto add = [&](const char* line) { types.Add(lexavar::ParseTypeLine(Cp(line))); };
    add("лл x001000000000009");
    add("аа x050300000000000");
    add("жж x000020000000000");
    add("аа x070000000000000");  // a later line of the same form code replaces it
    add("мм x000000000000080");
    short slots[lexavar::kSlots];
    auto key = [](const char* c) { return lexavar::MakeCodeKey(Cp(c)); };
    lexavar::DecodeAttributes(types, key("аа"), key("лл"), slots);
    EXPECT_EQ(slots[0], 7);
    EXPECT_EQ(slots[1], 0);
    EXPECT_EQ(slots[13], 0);
    lexavar::DecodeAttributes(types, key("аа"), key("жж"), slots);  // overlaid, then replaced
    EXPECT_EQ(slots[0], 7);
    EXPECT_EQ(slots[2], 0);
    lexavar::DecodeAttributes(types, key("аа"), key("мм"), slots);
    EXPECT_EQ(slots[0], 7);
    EXPECT_EQ(slots[12], 8);
    lexavar::DecodeAttributes(types, key("яя"), key("мм"), slots);
    for (short s : slots)
        EXPECT_EQ(s, 0);
}

}  // namespace
