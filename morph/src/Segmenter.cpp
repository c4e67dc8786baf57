#include "Segmenter.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace lexavar {
namespace {

struct CharInfo {
    unsigned char cls;
    unsigned char replacement;
};

constexpr std::array<CharInfo, 256> MakeCharTable() {
    std::array<CharInfo, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[b] = {1, ' '};
    t[' '] = {1, ' '};
    for (int b = 0xE0; b <= 0xFF; ++b)
        t[b] = {2, static_cast<unsigned char>(b)};
    t[0xB8] = {2, 0xE5};
    for (int b = 0xC0; b <= 0xDF; ++b)
        t[b] = {3, static_cast<unsigned char>(b)};
    t[0xA8] = {3, 0xC5};
    for (int b = 'a'; b <= 'z'; ++b)
        t[b] = {4, static_cast<unsigned char>(b)};
    for (int b = 'A'; b <= 'Z'; ++b)
        t[b] = {5, static_cast<unsigned char>(b)};
    for (int b = '0'; b <= '9'; ++b)
        t[b] = {6, static_cast<unsigned char>(b)};
    for (unsigned char b : {',', '-', ':', ';', '(', ')', '[', ']', '"'})
        t[b] = {7, b};
    for (unsigned char b : {'.', '!', '?'})
        t[b] = {8, b};
    return t;
}

constexpr std::array<CharInfo, 256> kChars = MakeCharTable();

inline bool IsCasePair(int a, int c) {
    return (a == 3 && c == 2) || (a == 2 && c == 3) || (a == 5 && c == 4) || (a == 4 && c == 5);
}

}  // namespace

int ClassifyChar(char& byte) {
    const CharInfo& info = kChars[static_cast<unsigned char>(byte)];
    byte = static_cast<char>(info.replacement);
    return info.cls;
}

int CharClass(unsigned char byte) {
    return kChars[byte].cls;
}

Segmenter::Segmenter(std::string_view text) {
    const std::size_t n = text.size() > kMaxLength ? 0 : text.size();
    Allocate(n);
    if (n)
        std::memcpy(buffer_.get(), text.data(), n);
}

void Segmenter::Allocate(std::size_t length) {
    buffer_.reset(new char[length + 2]);
    buffer_[length] = ' ';
    buffer_[length + 1] = '\0';
    length_ = static_cast<int>(length);
}

std::unique_ptr<Segmenter> Segmenter::FromFile(const char* path) {
    std::unique_ptr<Segmenter> s(new Segmenter());
    s->Allocate(0);
    std::FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (!f)
        return s;
    // Read in chunks into one growing buffer (sized at once for a regular
    // file); the size of pipes and special files is not known in advance.
    std::size_t capacity = 1 << 16;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        if (size > 0 && static_cast<unsigned long>(size) < kMaxLength)
            capacity = static_cast<std::size_t>(size) + 1;
    }
    std::rewind(f);
    std::unique_ptr<char[]> bytes(new char[capacity + 2]);
    std::size_t length = 0;
    bool failed = false;
    for (;;) {
        if (length == capacity) {
            if (capacity >= kMaxLength) {
                failed = true;
                break;
            }
            const std::size_t grown = capacity * 2 < kMaxLength ? capacity * 2 : kMaxLength;
            std::unique_ptr<char[]> larger(new char[grown + 2]);
            std::memcpy(larger.get(), bytes.get(), length);
            bytes = std::move(larger);
            capacity = grown;
        }
        const std::size_t got = std::fread(bytes.get() + length, 1, capacity - length, f);
        length += got;
        if (got == 0) {
            failed = std::ferror(f) != 0;
            break;
        }
    }
    std::fclose(f);
    if (failed)
        return s;
    s->buffer_ = std::move(bytes);
    s->buffer_[length] = ' ';
    s->buffer_[length + 1] = '\0';
    s->length_ = static_cast<int>(length);
    return s;
}

void Segmenter::Recycle(Segmenter& old) {
    units_ = std::move(old.units_);
    spans_ = std::move(old.spans_);
    units_.clear();
    spans_.clear();
}

int Segmenter::Run(int& /*arg*/) {
    Segment();
    return 1;
}

#if defined(__GNUC__)
__attribute__((always_inline))
#endif
inline void
Segmenter::EmitUnit(int start, int length, int a, int n, bool mark) {
    int type;
    if (n == 0) {
        type = a == 3 ? 9 : a == 5 ? 11 : a;
    } else {
        const int f = kChars[static_cast<unsigned char>(buffer_[start])].cls;
        if ((f == 3 || f == 5) && n == 1)
            type = f + 8;
        else if (a == 2 || a == 3)
            type = 14;
        else if (a == 4 || a == 5)
            type = 15;
        else
            type = a;
    }
    if (mark)
        type = kUnitMixed;
    units_.emplace_back(buffer_.get() + start, type, length);
}

// The text's own bytes are segmented byte by byte; the added space behind them
// is segmented as one more byte, so it ends the last token of the text. A text
// whose last byte is a blank ends as before: the last blank and the added space
// form the final unit. The final unit is never counted in the last span.
#if defined(__GNUC__)
__attribute__((flatten))
#endif
void Segmenter::Segment() {
    units_.clear();
    spans_.clear();
    const int L = length_;
    if (L <= 0)
        return;
    units_.reserve(static_cast<std::size_t>(L) / 2 + 4);
    char* b = buffer_.get();

    // The token in progress holds the bytes tokenStart .. i - 1; the span in
    // progress the bytes spanStart .. i.
    int a = 0, tokenStart = 0, caseChanges = 0;
    bool mark = false;
    int spanStart = 0, spanUnits = 1, nextUnit = 1, spanFirst = 0;
    // Where the last look-ahead of the sentence-end test stopped, and the
    // class found there (0 when it ran into the bound): every position
    // between holds blanks or punctuation, so a later look that starts
    // before it stops at the same place.
    int lookStop = -1, lookClass = 0;

    for (int i = 0; i <= L; ++i) {
        const int c = ClassifyChar(b[i]);

        if (i == L - 1 && c == 1) {
            // The text ends in a blank: the token so far is one unit, the
            // last blank with the added space the final one.
            EmitUnit(tokenStart, i - tokenStart, a, caseChanges, mark);
            ++spanUnits;
            units_.emplace_back(b + i, kUnitBlanks, 2);
            spans_.emplace_back(b + spanStart, i + 1 - spanStart, spanUnits - 1, spanFirst);
            return;
        }

        bool ends;
        if (a != 1 && a != 7 && a != 8)
            ends = (c < 2 || c > 6) && b[i] != '-';
        else
            ends = c != a;
        if (b[i] == '.' && b[i + 1] == '-')
            ends = false;
        if (ends) {
            EmitUnit(tokenStart, i - tokenStart, a, caseChanges, mark);
            a = 0;
            caseChanges = 0;
            mark = false;
            tokenStart = i;
            ++spanUnits;
            ++nextUnit;
        }

        if (a == 0) {
            a = c;
        } else if (c != a && b[i] != '-') {
            if (IsCasePair(a, c))
                ++caseChanges;
            else
                a = kUnitMixed;
        }

        if (i == L) {
            // The added space is part of the final unit, not of the span's
            // text bytes.
            EmitUnit(tokenStart, i + 1 - tokenStart, a, caseChanges, mark);
            spans_.emplace_back(b + spanStart, L - spanStart, spanUnits - 1, spanFirst);
            return;
        }

        if (c != 8) {
            // Bytes of the token's own class, or letters of the other case of
            // its alphabet, continue it and change nothing else: take them in
            // one tight loop (up to the text's last byte, which ends the
            // text).
            if (a >= 1 && a <= 7) {
                const int partner = a == 2 ? 3 : a == 3 ? 2 : a == 4 ? 5 : a == 5 ? 4 : a;
                while (i + 2 < L) {
                    const CharInfo& next = kChars[static_cast<unsigned char>(b[i + 1])];
                    if (next.cls != a) {
                        if (next.cls != partner)
                            break;
                        ++caseChanges;
                    }
                    b[++i] = static_cast<char>(next.replacement);
                }
            }
            continue;
        }
        // Sentence-end test: the byte at i is ".", "!" or "?".
        const int nc = kChars[static_cast<unsigned char>(b[i + 1])].cls;
        if (nc == 8)
            continue;
        if (nc != 1) {
            mark = true;
            a = kUnitMixed;
            if (!units_.empty())
                units_.back().type = kUnitMixed;
            continue;
        }
        int stopClass = 0;
        if (i + 2 <= lookStop) {
            stopClass = lookClass;
        } else {
            int d = 2;
            for (; i + d < L; ++d) {
                const int sc = ClassifyChar(b[i + d]);
                if (sc != 1 && sc != 7 && sc != 8) {
                    stopClass = sc;
                    break;
                }
            }
            lookStop = i + d;
            lookClass = stopClass;
        }
        if (stopClass == 3 || stopClass == 5 || stopClass == 6) {
            spans_.emplace_back(b + spanStart, i + 1 - spanStart, spanUnits, spanFirst);
            spanFirst = nextUnit;
            spanStart = i + 1;
            spanUnits = 0;
        }
    }
}

}  // namespace lexavar
