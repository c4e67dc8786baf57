#include "AzSource.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

namespace lexavar::dictcheck {

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t u32(const std::string& data, std::size_t pos) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(data[pos + i]);
    return v;
}

std::uint16_t u16(const std::string& data, std::size_t pos) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(data[pos]) |
                                      (static_cast<unsigned char>(data[pos + 1]) << 8));
}

// Parses a JSON array of strings, the only JSON these files hold.
std::vector<std::string> readStringArray(const std::string& path) {
    const std::string text = readFile(path);
    std::vector<std::string> out;
    std::size_t i = text.find('[');
    if (i == std::string::npos)
        throw std::runtime_error(path + ": not a JSON array");
    ++i;
    auto fail = [&] { throw std::runtime_error(path + ": malformed JSON string array"); };
    for (;;) {
        while (i < text.size() && std::strchr(" \t\r\n,", text[i]))
            ++i;
        if (i >= text.size())
            fail();
        if (text[i] == ']')
            break;
        if (text[i] != '"')
            fail();
        std::string utf8;
        for (++i;; ++i) {
            if (i >= text.size())
                fail();
            char c = text[i];
            if (c == '"')
                break;
            if (c == '\\') {
                if (++i >= text.size())
                    fail();
                c = text[i];
                if (c == 'u') {
                    if (i + 4 >= text.size())
                        fail();
                    const unsigned cp = std::stoul(text.substr(i + 1, 4), nullptr, 16);
                    i += 4;
                    if (cp < 0x80) {
                        utf8 += static_cast<char>(cp);
                    } else if (cp < 0x800) {
                        utf8 += static_cast<char>(0xC0 | (cp >> 6));
                        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
                    } else {
                        utf8 += static_cast<char>(0xE0 | (cp >> 12));
                        utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                        utf8 += static_cast<char>(0x80 | (cp & 0x3F));
                    }
                    continue;
                }
                static const char* from = "\"\\/bfnrt";
                static const char* to = "\"\\/\b\f\n\r\t";
                const char* p = std::strchr(from, c);
                if (!p)
                    fail();
                utf8 += to[p - from];
                continue;
            }
            utf8 += c;
        }
        ++i;
        std::string cp;
        if (!utf8ToCp1251(utf8, cp))
            throw std::runtime_error(path + ": string without Windows-1251 form: " + utf8);
        out.push_back(std::move(cp));
    }
    return out;
}

}  // namespace

std::string_view prefixText(int id) {
    static const std::string_view prefixes[] = {"", "\xEF\xEE", "\xED\xE0\xE8"};  // "", по, наи
    return prefixes[id];
}

bool utf8ToCp1251(std::string_view s, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        if ((c & 0xE0) != 0xC0 || i + 1 >= s.size())
            return false;
        const unsigned cp = ((c & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F);
        i += 2;
        if (cp >= 0x410 && cp <= 0x44F)
            out += static_cast<char>(0xC0 + (cp - 0x410));
        else if (cp == 0x401)
            out += '\xA8';
        else if (cp == 0x451)
            out += '\xB8';
        else
            return false;
    }
    return true;
}

std::string cp1251ToUtf8(std::string_view s) {
    std::string out;
    for (const char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        unsigned cp = c;
        if (c >= 0xC0)
            cp = 0x410 + (c - 0xC0);
        else if (c == 0xA8)
            cp = 0x401;
        else if (c == 0xB8)
            cp = 0x451;
        else if (c >= 0x80)
            cp = '?';
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

namespace {

// The grammemes of a tag such as "NOUN,anim,masc sing,nomn"; pos gets the
// first (the part of speech).
std::set<std::string, std::less<>> grammemes(std::string_view tag, std::string& pos) {
    std::set<std::string, std::less<>> g;
    pos.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= tag.size(); ++i) {
        if (i == tag.size() || tag[i] == ',' || tag[i] == ' ') {
            std::string part(tag.substr(start, i - start));
            if (pos.empty())
                pos = part;
            g.insert(std::move(part));
            start = i + 1;
        }
    }
    return g;
}

}  // namespace

std::string lexemeClass(std::string_view tag) {
    std::string pos;
    const auto g = grammemes(tag, pos);
    std::string cls = pos;
    if (pos == "INFN" || pos == "VERB" || pos == "PRTF" || pos == "PRTS" || pos == "GRND")
        cls = "V";
    if (pos == "ADJF" || pos == "ADJS" || pos == "COMP")
        cls = "A";
    for (const char* mark : {"Patr", "Anum", "Abbr", "Vpre"})
        if (g.count(mark))
            cls += std::string("-") + mark;
    return cls;
}

int normalFormRank(std::string_view tag) {
    std::string pos;
    const auto g = grammemes(tag, pos);
    bool variant = false, cased = false;
    for (const std::string& m : g) {
        if (m.rfind("V-", 0) == 0 || m == "Infr" || m == "Slng" || m == "Arch" || m == "Erro" ||
            m == "Dist")
            variant = true;
        for (const char* c : {"gent", "datv", "accs", "ablt", "loct", "voct", "gen1", "gen2",
                              "acc2", "loc1", "loc2"})
            if (m == c)
                cased = true;
    }
    return (variant ? 4 : 0) + (cased ? 2 : 0) + (g.count("plur") ? 1 : 0);
}

int expectedType(std::string_view tag) {
    std::string pos;
    const auto g = grammemes(tag, pos);
    auto has = [&](const char* name) { return g.count(name) > 0; };
    if (pos == "NOUN") {
        if (has("Name"))
            return 3;
        if (has("Surn") || has("Patr"))
            return 4;
        if (has("Geox") || has("Orgn") || has("Trad"))
            return 23;
        return 1;
    }
    if (pos == "ADJF")
        return has("Apro") ? 21 : 5;
    if (pos == "ADJS" || pos == "COMP")
        return 5;
    if (pos == "PREP")
        return 2;
    if (pos == "INFN")
        return 7;
    if (pos == "ADVB")
        return 8;
    if (pos == "NUMR")
        return 9;
    if (pos == "PRED")
        return 10;
    if (pos == "CONJ")
        return 17;
    if (pos == "PRCL")
        return 18;
    if (pos == "INTJ")
        return 19;
    if (pos == "NPRO")
        return 20;
    return 0;
}

AzSource::AzSource(const std::string& folder) {
    suffixes_ = readStringArray(folder + "/suffixes.json");
    tags_ = readStringArray(folder + "/gramtab-opencorpora-int.json");

    const std::string par = readFile(folder + "/paradigms.array");
    if (par.size() < 2)
        throw std::runtime_error("paradigms.array: too short");
    const int count = u16(par, 0);
    std::size_t pos = 2;
    for (int p = 0; p < count; ++p) {
        if (pos + 2 > par.size())
            throw std::runtime_error("paradigms.array: truncated");
        const int len = u16(par, pos);
        pos += 2;
        if (len % 3 || pos + 2 * len > par.size())
            throw std::runtime_error("paradigms.array: bad paradigm length");
        const int n = len / 3;
        SourceParadigm sp;
        for (int i = 0; i < n; ++i) {
            sp.suffix.push_back(u16(par, pos + 2 * i));
            sp.tag.push_back(u16(par, pos + 2 * (n + i)));
            sp.prefix.push_back(u16(par, pos + 2 * (2 * n + i)));
            if (sp.suffix.back() >= static_cast<int>(suffixes_.size()) ||
                sp.tag.back() >= static_cast<int>(tags_.size()) || sp.prefix.back() > 2)
                throw std::runtime_error("paradigms.array: id out of range");
        }
        pos += 2 * len;
        paradigms_.push_back(std::move(sp));
    }

    const std::string dawg = readFile(folder + "/words.dawg");
    if (dawg.size() < 8)
        throw std::runtime_error("words.dawg: too short");
    const std::uint32_t n = u32(dawg, 0);
    if (8 + 4ull * n > dawg.size())
        throw std::runtime_error("words.dawg: units truncated");
    units_.resize(n);
    for (std::uint32_t i = 0; i < n; ++i)
        units_[i] = u32(dawg, 4 + 4 * i);
    const std::uint32_t g = u32(dawg, 4 + 4ull * n);
    if (g != n || 8 + 4ull * n + 2ull * g > dawg.size())
        throw std::runtime_error("words.dawg: guide does not match");
    guide_.assign(dawg.begin() + 8 + 4ull * n, dawg.begin() + 8 + 4ull * n + 2ull * g);
}

void AzSource::forEachForm(const std::function<void(std::string_view, int, int)>& visit) const {
    auto child = [&](std::uint32_t i, unsigned label) -> std::int64_t {
        const std::uint32_t b = units_[i];
        const std::uint32_t next = i ^ ((b >> 10) << ((b & 0x200) >> 6)) ^ label;
        if (next >= units_.size() || (units_[next] & 0x800000FFu) != label)
            return -1;
        return next;
    };
    std::string key;
    std::size_t separator = std::string::npos;  // position of the 0x01 after the word
    // Depth-first over the guide: children of a node are its first child and
    // that child's chain of siblings.
    std::function<void(std::uint32_t)> walk = [&](std::uint32_t node) {
        if (separator != std::string::npos && key.size() == separator + 5) {
            if (!(units_[node] >> 8 & 1))
                return;
            const auto b = [&](int k) {
                return static_cast<unsigned char>(key[separator + 1 + k]);
            };
            const int paradigm = ((b(0) ^ 1) << 6) + (b(1) >> 1);
            const int form = ((b(2) ^ 1) << 6) + (b(3) >> 1);
            if (paradigm >= static_cast<int>(paradigms_.size()) ||
                form >= static_cast<int>(paradigms_[paradigm].suffix.size()))
                throw std::runtime_error("words.dawg: key points past its paradigm");
            visit(std::string_view(key.data(), separator), paradigm, form);
            return;
        }
        unsigned label = guide_[2 * node];
        while (label) {
            const std::int64_t c = child(node, label);
            if (c < 0)
                throw std::runtime_error("words.dawg: guide names a missing child");
            const bool opens = label == 1 && separator == std::string::npos;
            if (opens)
                separator = key.size();
            key.push_back(static_cast<char>(label));
            walk(static_cast<std::uint32_t>(c));
            key.pop_back();
            if (opens)
                separator = std::string::npos;
            label = guide_[2 * c + 1];
        }
    };
    walk(0);
}

}  // namespace lexavar::dictcheck
