// The engine against a plain reading of the analysis: every dictionary line
// whose stem begins the word, shortest stem first, then by line, each giving
// the run of paradigm items from the first one whose ending is the rest.
// Random dictionaries over a small alphabet give long runs of equal stems,
// repeated endings and empty stems.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "MorphEngine.h"
#include "lexavar.h"

namespace {

struct Reading {
    std::string normalForm;
    std::string formCode;
    int entry;
    bool operator==(const Reading&) const = default;
};

std::vector<Reading> Reference(const std::vector<std::string>& dic,
                               const std::vector<std::string>& mdl, const std::string& word) {
    std::vector<lexavar::Paradigm> paradigms;
    for (const std::string& line : mdl)
        paradigms.push_back(lexavar::ParseParadigmLine(line));
    std::vector<Reading> out;
    for (std::size_t p = 0; p <= word.size(); ++p) {
        const std::string rest = word.substr(p);
        for (std::size_t e = 0; e < dic.size(); ++e) {
            const lexavar::DictEntry entry = lexavar::ParseDictLine(dic[e]);
            if (!entry.wellFormed || entry.stem != word.substr(0, p))
                continue;
            if (entry.paradigm < 0 || entry.paradigm >= static_cast<int>(paradigms.size()))
                continue;
            const auto& items = paradigms[entry.paradigm].items;
            std::size_t m = 0;
            while (m < items.size() && items[m].ending != rest)
                ++m;
            for (; m < items.size() && items[m].ending == rest; ++m)
                out.push_back({word.substr(0, p) + paradigms[entry.paradigm].normalEnding,
                               items[m].formCode, static_cast<int>(e)});
        }
    }
    return out;
}

TEST(Reference, RandomDictionariesAnalyseAsThePlainReading) {
    std::mt19937 rng(3);
    const std::string alphabet = "\xE0\xE1\xE2";  // а б в
    auto randomString = [&](int maxLength) {
        std::string s;
        for (int n = rng() % (maxLength + 1); n > 0; --n)
            s += alphabet[rng() % alphabet.size()];
        return s;
    };
    const auto dir = std::filesystem::temp_directory_path() / "lexavar-reference";
    std::filesystem::create_directories(dir);
    const std::string dicPath = (dir / "main.dic").string(), mdlPath = (dir / "end.mdl").string();
    for (int round = 0; round < 30; ++round) {
        std::vector<std::string> mdl, dic;
        for (int p = 0, n = 1 + rng() % 6; p < n; ++p) {
            std::string line;
            for (int i = 0, items = rng() % 7; i < items; ++i)
                line += randomString(2) + " c" + std::to_string(i % 4) + " " +
                        std::to_string(rng() % 3) + " ";
            mdl.push_back(line);
        }
        // Few distinct stems, so many lines share one; some paradigm numbers
        // point past the table.
        for (int e = 0, n = 5 + rng() % 40; e < n; ++e)
            dic.push_back(randomString(2) + " " + std::to_string(rng() % 8) + " l" +
                          std::to_string(rng() % 3));
        std::sort(dic.begin(), dic.end());
        std::ofstream(dicPath, std::ios::binary) << [&] {
            std::string s;
            for (const auto& l : dic)
                s += l + "\n";
            return s;
        }();
        std::ofstream(mdlPath, std::ios::binary) << [&] {
            std::string s;
            for (const auto& l : mdl)
                s += l + "\n";
            return s;
        }();
        ASSERT_EQ(Start(dicPath.c_str(), mdlPath.c_str(), "/nonexistent/types.chn"), 1);
        for (int w = 0; w < 60; ++w) {
            const std::string word = randomString(4);
            const int n = NormolWord(word.c_str());
            std::vector<Reading> got;
            for (int v = 0; v < n; ++v)
                got.push_back({GetMainForm(v), GetMorf(v)->formCode, GetID(v)});
            ASSERT_EQ(got, Reference(dic, mdl, word)) << "round " << round << " word " << word;
        }
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
