#include "FakeDictionary.h"

#include <set>

namespace quillon::letters::test {

namespace {
std::set<std::string> gWords;
int gLookups = 0;

int fakeNormolWord(const char* word) {
    ++gLookups;
    std::string folded(word);
    for (char& c : folded) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0xC0 && b <= 0xDF)
            c = static_cast<char>(b + 0x20);
    }
    return gWords.count(folded) ? 1 : 0;
}
}  // namespace

LexavarApi fakeDictionary(std::initializer_list<std::string> words) {
    gWords = words;
    gLookups = 0;
    LexavarApi api;
    api.NormolWord = &fakeNormolWord;
    return api;
}

int fakeLookups() {
    return gLookups;
}

}  // namespace quillon::letters::test
