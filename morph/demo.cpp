// lexavar-demo: segments a Windows-1251 text file with Lexavar and prints its
// sentences, their units and the normal forms of the words (in Windows-1251).
//
//   lexavar-demo TEXT [DICTIONARY_FOLDER]
//
// The dictionary folder holds main.dic, end.mdl and types.chn; by default it
// is ../share/quillon beside the program.
#include <cstdio>
#include <filesystem>
#include <string>

#include "lexavar.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s TEXT [DICTIONARY_FOLDER]\n", argv[0]);
        return 2;
    }
    std::filesystem::path data;
    if (argc > 2) {
        data = argv[2];
    } else {
        std::error_code ec;
        const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        data = (ec ? std::filesystem::path(".") : exe.parent_path()) / ".." / "share" / "quillon";
    }
    const std::string dic = (data / "main.dic").string();
    const std::string mdl = (data / "end.mdl").string();
    const std::string chn = (data / "types.chn").string();
    if (!Start(dic.c_str(), mdl.c_str(), chn.c_str()))
        std::fprintf(stderr, "dictionary not found in %s: words are shown without normal forms\n",
                     data.string().c_str());

    const int units = GrafAnalysFile(argv[1]);
    const int sentences = GetColSents();
    std::printf("units: %d, sentences: %d\n", units, sentences);
    for (int s = 0; s < sentences; ++s) {
        int first = 0;
        const int count = GetSent(s, &first);
        std::printf("\n[%d] %s\n", s + 1, GetSentText(s));
        for (int u = first; u < first + count; ++u) {
            const std::string word = GetWord(u);
            if (word.find_first_not_of(' ') == std::string::npos)
                continue;
            std::printf("  %s", word.c_str());
            const int n = NormolWordByNom(u, 1);
            for (int v = 0; v < n; ++v)
                std::printf(" %s(%d)", GetMainForm(v), GetType(v));
            std::printf("\n");
        }
    }
    return 0;
}
