// lexavar-demo: segments a Windows-1251 text file and prints, sentence by
// sentence, every unit with its normal forms, using the C interface only.
//
//   lexavar-demo TEXT [DICTIONARY_DIR]
//
// DICTIONARY_DIR holds main.dic, end.mdl and types.chn (default: the current
// directory). Output is Windows-1251 like the input.
#include <cstdio>
#include <string>

#include "lexavar.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TEXT [DICTIONARY_DIR]\n", argv[0]);
        return 2;
    }
    const std::string dir = argc > 2 ? std::string(argv[2]) + "/" : std::string();
    if (!Start((dir + "main.dic").c_str(), (dir + "end.mdl").c_str(), (dir + "types.chn").c_str()))
        std::fprintf(stderr, "%s: dictionary files not found in '%s'\n", argv[0],
                     dir.empty() ? "." : dir.c_str());
    FILE* probe = std::fopen(argv[1], "rb");
    if (!probe) {
        std::fprintf(stderr, "%s: cannot read '%s'\n", argv[0], argv[1]);
        return 1;
    }
    std::fclose(probe);

    const int units = GrafAnalysFile(argv[1]);
    const int sentences = GetColSents();
    std::printf("units: %d, sentences: %d\n", units, sentences);
    for (int s = 0; s < sentences; ++s) {
        int first = 0;
        const int count = GetSent(s, &first);
        std::printf("\n[%d] %s\n", s + 1, GetSentText(s));
        for (int u = first; u < first + count; ++u) {
            const std::string word = GetWord(u);
            if (word.empty() || word[0] == ' ')
                continue;
            const int n = NormolWordByNom(u, 1);
            std::printf("  %s:", word.c_str());
            if (n == 0)
                std::printf(" -");
            for (int v = 0; v < n; ++v) {
                const int type = GetType(v);
                std::printf(" %s/%d", GetMainForm(v), type);
            }
            std::printf("\n");
        }
    }
    return 0;
}
