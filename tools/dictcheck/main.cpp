// lexavar-dictcheck: checks the shipped dictionary against its source.
//
//   lexavar-dictcheck <az dicts folder> [--data DIR] [--corpus FILE] [--show N]
//
// Loads main.dic, end.mdl and types.chn from DIR (default: the build tree's
// data folder) through Lexavar and reports two shares:
//  1. Source forms: every word form of the OpenCorpora source (the dicts/
//     folder of az 0.2.3) is analysed with NormolWord; it counts as found when
//     its lemma is among the normal forms and that variant has the lemma's
//     type code. Lemmas are compared with ё read as е. The lemma is the
//     source lexeme's form 0, except for forms the dictionary makes words of
//     their own: forms with the prefix «по»/«наи», and forms of another
//     lexeme class than form 0 (patronymics, ordinals, abbreviations; see
//     lexemeClass). Their lemma is the form of the lexeme with the same prefix
//     and class that ranks first by normalFormRank. Each kind is counted
//     apart and all together. Forms the analysis cannot take (Latin letters,
//     blanks, over 199 bytes) are counted as left out. Forms with ё are
//     checked once more in their е spelling, as the segmenter hands them on.
//  2. Corpus: over the Cyrillic non-punctuation tokens of a CoNLL-U file
//     (default ../shared/corpus/ru_gsd-ud-dev.conllu beside the checkout),
//     the share whose gold lemma (lower case, ё read as е) is among the
//     normal forms of the token's variants (the token with ё read as е).
//
// --show N prints up to N misses of each kind. Exit status: 0 when both
// shares reach their targets (99.5% of the kept source forms, 96.9% of the
// corpus tokens), 3 when one falls short, 1 when a file cannot be read.
#include "AzSource.h"

#include <lexavar.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

using lexavar::dictcheck::AzSource;
using lexavar::dictcheck::cp1251ToUtf8;

namespace {

std::string foldYo(std::string s) {
    for (char& c : s) {
        if (c == '\xB8')
            c = '\xE5';
        if (c == '\xA8')
            c = '\xC5';
    }
    return s;
}

std::string lower(std::string s) {
    for (char& c : s) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u >= 0xC0 && u <= 0xDF)
            c = static_cast<char>(u + 0x20);
        if (u == 0xA8)
            c = '\xB8';
        if (u >= 'A' && u <= 'Z')
            c = static_cast<char>(u + 0x20);
    }
    return s;
}

bool analysable(std::string_view w) {
    if (w.size() >= LEXAVAR_FIELD_SIZE)
        return false;
    for (const char c : w)
        if ((c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) <= 0x20)
            return false;
    return true;
}

// Whether one of word's variants has this normal form (ё read as е) and, when
// type is not negative, this type code.
bool finds(const std::string& word, const std::string& lemma, int type) {
    const int n = NormolWord(word.c_str());
    const std::string want = foldYo(lemma);
    for (int i = 0; i < n; ++i) {
        if (type >= 0 && GetType(i) != type)
            continue;
        if (foldYo(GetMainForm(i)) == want)
            return true;
    }
    return false;
}

struct Share {
    long found = 0, total = 0;
    double percent() const { return total ? 100.0 * found / total : 0.0; }
};

void print(const char* what, const Share& s) {
    std::printf("%-44s %8ld of %8ld  %6.2f%%\n", what, s.found, s.total, s.percent());
}

struct Options {
    std::string az, data = QUILLON_DICTCHECK_DATA, corpus = QUILLON_DICTCHECK_CORPUS;
    int show = 0;
};

int run(const Options& o) {
    const std::string dic = o.data + "/main.dic", mdl = o.data + "/end.mdl",
                      chn = o.data + "/types.chn";
    if (Start(dic.c_str(), mdl.c_str(), chn.c_str()) != 1)
        throw std::runtime_error("Lexavar could not load the dictionary from " + o.data);

    const AzSource source(o.az);
    Share kept, split, prefixed, yo;
    long leftOut = 0;
    int shownForms = 0;
    std::string word, lemma;
    std::vector<std::string> classOf(source.tagCount());
    std::vector<int> rankOf(source.tagCount());
    for (int t = 0; t < source.tagCount(); ++t) {
        classOf[t] = lexavar::dictcheck::lexemeClass(source.tag(t));
        rankOf[t] = lexavar::dictcheck::normalFormRank(source.tag(t));
    }
    source.forEachForm([&](std::string_view w, int p, int f) {
        const auto& par = source.paradigms()[p];
        const std::string_view pre = lexavar::dictcheck::prefixText(par.prefix[f]);
        const std::string& suf = source.suffix(par.suffix[f]);
        const std::string_view stem = w.substr(pre.size(), w.size() - pre.size() - suf.size());
        // The lexeme the form belongs to in the dictionary: its forms with the
        // same prefix and class; the normal form is the first of them.
        const std::string& cls = classOf[par.tag[f]];
        const auto same = [&](int k) {
            return par.prefix[k] == par.prefix[f] && classOf[par.tag[k]] == cls;
        };
        int first = 0;
        if (!same(0)) {
            first = -1;
            for (int k = 0; k < static_cast<int>(par.tag.size()); ++k)
                if (same(k) && (first < 0 || rankOf[par.tag[k]] < rankOf[par.tag[first]]))
                    first = k;
        }
        lemma.assign(pre);
        lemma.append(stem);
        lemma.append(source.suffix(par.suffix[first]));
        const int type = lexavar::dictcheck::expectedType(source.tag(par.tag[first]));
        word.assign(w);
        if (!analysable(word)) {
            ++leftOut;
            return;
        }
        Share& share = pre.empty() ? (first == 0 ? kept : split) : prefixed;
        ++share.total;
        if (finds(word, lemma, type)) {
            ++share.found;
        } else if (shownForms < o.show) {
            ++shownForms;
            std::printf("miss: %s -> %s (type %d)\n", cp1251ToUtf8(word).c_str(),
                        cp1251ToUtf8(lemma).c_str(), type);
        }
        if (word.find('\xB8') != std::string::npos) {
            ++yo.total;
            if (finds(foldYo(word), lemma, type))
                ++yo.found;
        }
    });
    std::printf("Source forms (%s)\n", o.az.c_str());
    const Share all{kept.found + split.found + prefixed.found,
                    kept.total + split.total + prefixed.total};
    print("all forms kept, lemma and type found", all);
    print("forms of the source lemma", kept);
    print("split-off forms, own normal form found", split);
    print("prefixed forms, own normal form found", prefixed);
    print("forms with ё, found in their е spelling", yo);
    std::printf("%-44s %8ld\n", "forms left out (Latin, blank, overlong)", leftOut);

    Share corpus;
    std::ifstream in(o.corpus);
    if (!in)
        throw std::runtime_error("cannot read " + o.corpus);
    std::string line;
    int shownTokens = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> col;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= line.size() && col.size() < 4; ++i)
            if (i == line.size() || line[i] == '\t') {
                col.push_back(line.substr(start, i - start));
                start = i + 1;
            }
        if (col.size() < 4 || col[0].find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (col[3] == "PUNCT")
            continue;
        std::string form, gold;
        // Tokens of Cyrillic letters (and hyphens) only; others have no
        // Windows-1251 spelling here or are not Russian words.
        if (!lexavar::dictcheck::utf8ToCp1251(col[1], form))
            continue;
        bool cyrillic = false, other = false;
        for (const char c : form) {
            const unsigned char u = static_cast<unsigned char>(c);
            if (u >= 0xC0 || u == 0xA8 || u == 0xB8)
                cyrillic = true;
            else if (c != '-')
                other = true;
        }
        if (!cyrillic || other)
            continue;
        ++corpus.total;
        if (!lexavar::dictcheck::utf8ToCp1251(col[2], gold))
            gold.clear();
        if (!gold.empty() && finds(foldYo(form), lower(gold), -1)) {
            ++corpus.found;
        } else if (shownTokens < o.show) {
            ++shownTokens;
            std::printf("corpus miss: %s (gold %s)\n", col[1].c_str(), col[2].c_str());
        }
    }
    std::printf("Corpus (%s)\n", o.corpus.c_str());
    print("tokens whose gold lemma is a normal form", corpus);

    return all.percent() >= 99.5 && corpus.percent() >= 96.9 ? 0 : 3;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--data" || a == "--corpus" || a == "--show") && i + 1 < argc) {
            const std::string v = argv[++i];
            if (a == "--data")
                o.data = v;
            else if (a == "--corpus")
                o.corpus = v;
            else
                o.show = std::atoi(v.c_str());
        } else if (o.az.empty() && !a.empty() && a[0] != '-') {
            o.az = a;
        } else {
            o.az.clear();
            break;
        }
    }
    if (o.az.empty()) {
        std::cerr << "usage: lexavar-dictcheck <az dicts folder> [--data DIR] [--corpus FILE] "
                     "[--show N]\n";
        return 1;
    }
    try {
        return run(o);
    } catch (const std::exception& e) {
        std::cerr << "lexavar-dictcheck: " << e.what() << "\n";
        return 1;
    }
}
